#pragma once
// Checked accessors of the team records: strings, team stats, stadium stats,
// totals, yearly history and returners. Team numbers travel as signed bytes, so
// NO_TEAM arrives as 128 or -128; both mean "no team".
#include <cstdint>

#include "database/team_record_layout.h"

// Yearly chars of one season (SEASON_RECORD_CHARS).
constexpr int RECORD_CHAR_WINS = 0;
constexpr int RECORD_CHAR_LOSSES = 4;
constexpr int RECORD_CHAR_TIES = 8;
constexpr int RECORD_CHAR_HOME_WINS = 12;
constexpr int RECORD_CHAR_HOME_LOSSES = 16;
constexpr int RECORD_CHAR_HOME_TIES = 20;
constexpr int RECORD_CHAR_PLAYOFF_WINS = 24;
constexpr int RECORD_CHAR_PLAYOFF_LOSSES = 28;

constexpr int NUMBER_OF_YEARLY_CHARS = 32;
constexpr int NUMBER_OF_YEARLY_INTS = 4;
constexpr int NUMBER_OF_TOTALS_CATEGORIES = 8;
constexpr int NUMBER_OF_TOTALS_SEASONS = 3;
constexpr int NUMBER_OF_TOTALS_STATS = 20;
constexpr int NUMBER_OF_RETURNERS = 4;

// Named team stats.
constexpr int TEAM_STAT_DIVISION = 0;
constexpr int TEAM_STAT_TIME_ZONE = 1;
constexpr int TEAM_STAT_CONTROL = 2;
constexpr int TEAM_STAT_HOME_CITY = 3;
constexpr int TEAM_STAT_DEFENSIVE_SYSTEM = 4;
constexpr int TEAM_STAT_OFFENSIVE_SYSTEM = 5;
constexpr int TEAM_STAT_OFFENSIVE_BALANCE = 10;
constexpr int TEAM_STAT_RED_ZONE = 12;

// Control word values.
constexpr int TEAM_CONTROL_EMPTY = -1;
constexpr int TEAM_CONTROL_COMPUTER = 0;
constexpr int TEAM_CONTROL_HUMAN = 1;

// True for 128 and -128, the two spellings of NO_TEAM.
inline bool Is_No_Team(int32_t team) {
    return team == NO_TEAM || team == -NO_TEAM;
}
// Team numbers are signed bytes, so NO_TEAM (128 as a byte) is the negative
// team -128 to the range checks and their messages.
inline int32_t Get_Signed_Team(int32_t team) {
    return Is_No_Team(team) ? -NO_TEAM : team;
}
// True for a code that addresses a team record of the block: slots 0-40.
inline bool Is_Team_Record_Slot(int32_t team) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS;
}
// True for a franchise slot 0-35, in use or not.
inline bool Is_Franchise_Slot(int32_t team) {
    return team >= 0 && team < MAX_FRANCHISES;
}
// True for a franchise slot 0-35 whose control word is not -1.
bool Is_Used_Franchise_Slot(int32_t team);

// Strings.
void Get_Team_String(char* buffer, int32_t team, int32_t index);
void Set_Team_String(const char* text, int32_t team, int32_t index);
void Set_Team_Abbreviation(const char* text, int32_t team);
void Set_Team_Location(const char* text, int32_t team);
void Set_Team_Nickname(const char* text, int32_t team);
void Set_Team_Stadium_Name(const char* text, int32_t team);

// Team stats.
int32_t Get_Team_Stat(int32_t team, int32_t n);
void Set_Team_Stat(int32_t team, int32_t n, int32_t value);
int32_t Get_Defensive_System_Index(const char* name);
int32_t Get_Offensive_System_Index(const char* name);
void Get_Defensive_System_Name(char* buffer, int32_t n);
void Get_Offensive_System_Name(char* buffer, int32_t n);
void Set_Team_Defensive_System_By_Name(int32_t team, const char* name);
void Set_Team_Offensive_System_By_Name(int32_t team, const char* name);

// Stadium stats.
int32_t Get_Team_Stadium_Stat(int32_t team, int32_t n);
void Set_Team_Stadium_Stat(int32_t team, int32_t n, int32_t value);

// Totals: stored stats 0-19 and the computed stats 101-153.
int32_t Get_Team_Totals_Stat(int32_t team, int32_t category, int32_t season, int32_t stat);
int32_t Get_League_Totals_Stat(int32_t category, int32_t season, int32_t stat);
void Set_Team_Totals_Stat(int32_t team, int32_t category, int32_t season, int32_t stat, int32_t value);
void Clear_Team_Totals(int32_t team);
void Clear_Team_Current_Season_Totals(int32_t team);
void Clear_All_Team_Totals();
void Copy_Team_Current_Totals_To_Previous(int32_t team);

// Yearly history.
// Logs "Invalid nYear in <reader>(team,season,n)" for a season outside the
// history, the first time that season is read only.
void Log_Invalid_History_Season(const char* reader, int32_t team, int32_t season, int32_t n);
// Lets every season outside the history be logged once again (a league was
// loaded, or the log begun anew).
void Forget_Logged_History_Seasons();
int32_t Get_Team_Yearly_Char(int32_t team, int32_t season, int32_t n);
int32_t Get_Team_Yearly_Int(int32_t team, int32_t season, int32_t n);
void Set_Team_Yearly_Char(int32_t team, int32_t season, int32_t n, int32_t value);
void Set_Team_Yearly_Int(int32_t team, int32_t season, int32_t n, int32_t value);
// The season whose record the team record queries read: the current one,
// last season's while the draft runs.
int32_t Get_Team_Record_Season();
int32_t Get_Team_Record_Char(int32_t team, int32_t n);
void Set_Team_Record_Char(int32_t team, int32_t n, int32_t value);
void Set_Team_Record_Int(int32_t team, int32_t n, int32_t value);
int32_t Get_Team_Wins(int32_t team);
int32_t Get_Team_Losses(int32_t team);
int32_t Get_Team_Ties(int32_t team);
int32_t Get_Team_Home_Wins(int32_t team);
int32_t Get_Team_Home_Losses(int32_t team);
int32_t Get_Team_Home_Ties(int32_t team);
int32_t Get_Team_Playoff_Losses(int32_t team);
int32_t Get_Team_Current_Playoff_Wins(int32_t team);
void Get_Team_Location(char* buffer, int32_t team);
void Get_Team_Stadium_Name(char* buffer, int32_t team);

// Returners: entry 0 kick returner, 1 punt returner.
void Set_Team_Returner(int32_t team, int32_t n, int32_t slot);
int32_t Get_Team_Returner(int32_t team, int32_t n);
