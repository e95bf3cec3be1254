#pragma once
// The real league's history from 1952 to 2022 as a built-in table of events:
// franchise moves, renamings and re-foundings, stadiums, leagues and divisions
// founded, renamed and realigned, and expansion franchises. Each off-season
// applies the rows of the coming year; expansion teams are stocked by an
// expansion draft.
#include <cstdint>
#include <string>

constexpr int32_t HISTORY_TEXT_LENGTH = 32;

enum HISTORY_EVENT_TYPE : int32_t {
    HISTORY_EXPANSION_TEAM = 0,
    HISTORY_FRANCHISE_MOVE = 1,
    HISTORY_NEW_FRANCHISE = 2,
    HISTORY_NAME_CHANGE = 3,
    HISTORY_HOME_CITY_CHANGE = 4,
    HISTORY_NEW_STADIUM = 5,
    HISTORY_STADIUM_CHANGE = 6,
    HISTORY_STADIUM_NAME_CHANGE = 7,
    HISTORY_NEW_LEAGUE = 8,
    HISTORY_LEAGUE_NAME_CHANGE = 9,
    HISTORY_NEW_DIVISION = 10,
    HISTORY_DIVISION_NAME_CHANGE = 11,
    HISTORY_REALIGNMENT = 12,
    NUMBER_OF_HISTORY_EVENT_TYPES = 13,
};

// One row of the table. `team` and `text` hold "location,nickname" where a
// franchise is named.
struct HISTORY_EVENT {
    int32_t Year;
    int32_t Type;
    char League[HISTORY_TEXT_LENGTH];
    char Team[HISTORY_TEXT_LENGTH];
    char Abbreviation[HISTORY_TEXT_LENGTH];
    int32_t Division;
    char Text[HISTORY_TEXT_LENGTH];
};

constexpr int32_t NUMBER_OF_HISTORY_EVENTS = 161;
extern const HISTORY_EVENT League_History_Events[NUMBER_OF_HISTORY_EVENTS];

// Applies the rows of types 1-12 of the year, asking a human owner before his
// team is touched and announcing the others as league news.
void Apply_League_History_Events(int32_t year);
// Adds the year's expansion franchises and, when any was added, holds the
// expansion draft and tops up the new rosters.
void Expand_League_For_Year(int32_t year);
// Both of the above for the coming season (season year + 1).
void Apply_League_History_For_Next_Year();
// The abbreviation the table's rows have given, by `year`, the franchise
// that a row of `since` or before gave `abbreviation`: "PHX" of 1990 is
// "ARZ" by 1994. The abbreviation itself when no row gave it or none renamed
// the franchise since.
std::string Get_Renamed_Franchise_Abbreviation(const char* abbreviation, int32_t since, int32_t year);
// The name ("location,nickname") the table's rows of the years after `since`
// up to `year` carry the franchise `franchise` on to: the New York Yanks of
// 1951 are the Baltimore Colts by 1953. The name itself when no row renamed it.
std::string Get_Franchise_Name_In_Year(const std::string& franchise, int32_t since, int32_t year);
// League 0 or 1 whose name equals the text (no case); 0 when none does.
int32_t Get_League_Index_From_Name(const char* name);

// States, provinces and territories: full name, abbreviation with points,
// postal code, and the lower-case code of the states that are home to a
// franchise.
constexpr int32_t STATE_NAME_ROWS = 69;
constexpr int32_t STATE_NAME_COLUMNS = 4;
extern const char* const State_Name_Table[STATE_NAME_ROWS][STATE_NAME_COLUMNS];
// Copies a text of the table, row clamped to 0-68 and column to 0-3.
void Get_State_Name(char* buffer, int32_t size, int32_t row, int32_t column);
// Replaces a postal code (no case) in `text` (`size` bytes) by the full name.
void Expand_State_Abbreviation(char* text, int32_t size);
