#pragma once
// The 30 leader categories: which players may lead each, the attempts they
// need, their value in it and how it is written. The leaders view, the
// all-time leader lists and the reports share them.
#include <cstdint>

constexpr int32_t NUMBER_OF_LEADER_CATEGORIES = 30;
constexpr int32_t LEADER_TEXT_SIZE = 32;
// A value that formats as an empty text.
constexpr int32_t NO_LEADER_VALUE = 0x7FFFFFFF;

// The player's value in the category for the season selector (0 this season,
// 1 last season, 2 career, 3 predicted); 0 when he may not lead it or does not
// qualify, and for any code or category out of range.
int32_t Get_Player_Leader_Value(int32_t team, int32_t slot, int32_t category, int32_t season);
// The leader group of the player, a bit the categories' groups are tested
// against; 0 when he may lead no category (no player, no position). Groups
// and sets of them lie within LEADS_ANY_GROUP.
constexpr int32_t LEADS_ANY_GROUP = 31;
int32_t Get_Player_Leader_Group(int32_t team, int32_t slot);
// The groups whose players may lead the category; 0 for an unknown one.
// Get_Player_Leader_Value is 0 for a player outside them.
int32_t Get_Leader_Category_Groups(int32_t category);
// The question Get_Player_Leader_Value asks of every player for a category
// and season, with what does not depend on the player (the minimum, from the
// season's length and progress) worked out once.
struct LEADER_QUERY {
    int32_t Category;
    int32_t Season;
    int32_t Minimum;
};
LEADER_QUERY Prepare_Leader_Query(int32_t category, int32_t season);
// Get_Player_Leader_Value of a player in use, in one of the category's groups
// (the query's category is valid), while the league's calendar and settings
// stand as when the query was prepared.
int32_t Get_Queried_Leader_Value(const LEADER_QUERY& query, int32_t team, int32_t slot);
// 1 when the category has no minimum or the player reaches its minimum,
// scaled to the season's length and, for this season, to its progress.
int32_t Is_Leader_Qualified(int32_t team, int32_t slot, int32_t season, int32_t category);
// The player's league season line (a row of the season-line table) with the
// highest value in the category, the earliest of equals; NO_SEASON_LINE when
// none has a value above 0.
int32_t Find_Best_Season_Line(int32_t team, int32_t slot, int32_t category);
// The category's heading ("Pass Yards"); an empty text for an unknown category.
void Get_Leader_Stat_Heading(int32_t category, char* out, int32_t size);
// A value as the category shows it; an empty text for an unknown category.
void Format_Leader_Value(int32_t value, int32_t category, char* out, int32_t size);
