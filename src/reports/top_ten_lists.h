#pragma once
// The ten best players of a leader category and the ten best teams by total
// yards, as the news ticker and the report tables list them.
#include <cstdint>

#pragma pack(push, 1)
struct TOP_TEN_ENTRY {
    uint8_t Team;
    uint8_t Slot;
    int32_t Value;
    int32_t Second; // set to 0 by every list builder
};
#pragma pack(pop)

struct TOP_TEN_LIST {
    TOP_TEN_ENTRY Entries[10];
};

// League 0 or 1, or 2 for both; the season selector as the leader values take it.
void Build_Top_Ten_Player_List(TOP_TEN_LIST* list, int32_t league, int32_t category, int32_t season);
// Category 0: the ten offences with the most total yards; 4: the ten
// defences allowing the fewest; other categories leave the list as it was.
// The season is the news ticker's season choice; a team without a yard in
// it (one that played none of its games) is left out.
void Build_Top_Ten_Team_List(TOP_TEN_LIST* list, int32_t category);

// The leaders of a report table, among the same players as above. Seasons
// back -1: careers; -2: each player's best season; 0 and up: the season
// that many years back, read from each
// player's season line of that year (with two teams that year, the line of
// more games).
constexpr int32_t LEADERS_CAREER = -1;
constexpr int32_t LEADERS_BEST_SEASON = -2;
void Build_Template_Leader_List(TOP_TEN_LIST* list, int32_t league, int32_t category, int32_t seasons_back);
// The player's professional season line of `year` with the most games; -1 when none.
int32_t Find_Player_Year_Season_Link(int32_t team, int32_t slot, int32_t year);
