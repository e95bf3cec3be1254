#pragma once
// The player statistics export: a list of players with their season
// statistics of one period and category, ranked by one statistic, written as
// tab-separated text (".xls"), comma-separated text, fixed-width text or an
// HTML page.
#include <cstdint>
#include <string>

enum STATS_FILE_FORMAT : int32_t {
    STATS_FORMAT_TAB = 0,
    STATS_FORMAT_COMMA,
    STATS_FORMAT_TEXT,
    STATS_FORMAT_HTML,
    NUMBER_OF_STATS_FORMATS
};

enum STATS_CATEGORY : int32_t { STATS_OFFENSE = 0, STATS_DEFENSE, STATS_KICKING, NUMBER_OF_STATS_CATEGORIES };

// Sort keys besides a statistic: by last name, by team.
constexpr int32_t SORT_BY_NAME = -1;
constexpr int32_t SORT_BY_TEAM = -2;
constexpr int32_t STATS_SORT_CHOICES = 17;
constexpr int32_t STATS_LINE_LIMIT = 2047;

// The extension of a format (".xls", ".csv", ".txt", ".htm"); "" for another value.
const char* Get_Stats_File_Extension(int32_t format);
// The name of a sort statistic of a category ("Pass Attempts"); "" for none.
const char* Get_Stats_Sort_Name(int32_t category, int32_t stat);
// The statistic that name `choice` of the category's sort list stands for in
// a player of `position` (a stored statistic 0-19 or a computed code), or -1
// where his position keeps no such figure: the stored statistics mean other
// things by position (a back's 2 is his fumbles, a defender's 8 his fumble
// recoveries), and the kickers' are kept in another order than their names.
int32_t Get_Stats_Named_Statistic(int32_t category, int32_t choice, int32_t position);
// The player's figure of that name in the period; 0 where his position keeps none.
int32_t Get_Stats_Named_Figure(int32_t team, int32_t slot, int32_t period, int32_t category, int32_t choice);
// The same as the export writes it: a defender's sacks with their tenth ("6.5").
std::string Format_Stats_Named_Figure(int32_t team, int32_t slot, int32_t period, int32_t category,
                                      int32_t choice);
// Heading `column` (0-16) of a category's line: 0 the category's name.
const char* Get_Stats_Column_Heading(int32_t category, int32_t column);
// Cells in a line of the category: 17, 12 or 10.
int32_t Get_Stats_Cell_Count(int32_t category);
// The label of a period: the year, the year before, "Career", "Predicted".
std::string Get_Stats_Period_Label(int32_t period);

// The team choice of the Print dialog: below the active teams' count a team,
// then each league in use, then every team.
bool Is_Player_In_Stats_Choice(int32_t team, int32_t choice);
// The player's rank value: the figure that sort name `sort` of the category
// stands for in his position, in the period (SORT_BY_NAME: his last name in
// alphabetical order; SORT_BY_TEAM: his team); false when he is not listed
// (no player, no game in the period, or outside the team choice `choice`).
bool Get_Stats_Sort_Key(int32_t team, int32_t slot, int32_t choice, int32_t period, int32_t category,
                        int32_t sort, int32_t* key);
// One player's line (or the heading when `slot` is -1) in the format.
std::string Format_Player_Stats_Line(int32_t team, int32_t slot, int32_t period, int32_t category,
                                     int32_t format);

// Writes the list ranked by sort name `sort` of the category (its index in
// the sort list, or SORT_BY_NAME, SORT_BY_TEAM); 1 when written, 0 when the
// file cannot be made or written.
int32_t Write_Player_Stats_File(const char* path, int32_t choice, int32_t period, int32_t category,
                                int32_t sort, int32_t format);
