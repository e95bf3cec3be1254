#pragma once
// League structure: team slots, leagues and divisions, human or computer
// control, the league-wide counters of the universe header, draft-pick
// ownership and the plain accessors of the universe header.
#include <cstdint>

#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"

// Cache of Count_Active_Teams outside the block; -1 when stale.
extern int32_t Active_Team_Count;

// Division of every valid code at or above the active count, and of the pools.
constexpr int NO_DIVISION = 8;
// A division holds at most this many teams: its places in the standings.
constexpr int32_t MOST_DIVISION_TEAMS = 13;

// Universe stats (header ints at offset 2,112).
constexpr int GAMES_PER_SEASON = 0;
constexpr int WILD_CARD_TEAMS = 1;
constexpr int SALARY_CAP = 2;
constexpr int BASE_YEAR = 3;
constexpr int FANTASY_DRAFT_FLAG = 4;
constexpr int TRADE_REPUTATION = 7;
constexpr int INFLATION_FACTOR = 9;
constexpr int SHARED_REVENUE_PER_GAME = 10;
constexpr int LEAGUE_WEALTH_FACTOR = 11;
// The league editor's money settings, each (choice - 10) x 10 percent.
constexpr int SALARY_DEMANDS_PERCENT = 15;
constexpr int LEAGUE_REVENUE_PERCENT = 16;

// Entries of the 16-bit flag table at header offset 1,856.
constexpr int HEADER_FLAG_SEASON_LINE_RECORDING = 5;
constexpr int HEADER_FLAG_ADVANCE_IN_PROGRESS = 7;
constexpr int HEADER_FLAG_TARGET_WEEK = 8;
constexpr int HEADER_FLAG_CHAMPIONSHIP_ROUND = 9;
constexpr int NUMBER_OF_HEADER_FLAGS = 10;

// Text lengths of the header names and notes.
constexpr int LEAGUE_NAME_LENGTH = 16;
constexpr int DIVISION_NAME_LENGTH = 12;

// Team, division and league queries.
int32_t Count_Active_Teams();
int32_t Refresh_Active_Team_Count();
// A franchise slot whose control word is not empty.
inline int32_t Is_Active_Team(int32_t team) {
    return Is_Franchise_Slot(team) &&
           Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] != TEAM_CONTROL_EMPTY;
}
// An active franchise or one of the pools 36-40.
inline int32_t Is_Valid_Team_Code(int32_t team) {
    return Is_Active_Team(team) || (team >= FREE_AGENT_TEAM && team < TOTAL_NUMBER_OF_TEAMS);
}
int32_t Is_Free_Agent_Slot(int32_t team);
int32_t Is_Hall_Of_Fame_Slot(int32_t team);
int32_t Get_Team_Division(int32_t team);
int32_t Get_Team_Conference(int32_t team);
int32_t Get_Division_League(int32_t division);
int32_t Are_Teams_In_Same_Division(int32_t a, int32_t b);
void Get_Team_Time_Zone_Name(int32_t team, char* buffer);
int32_t Count_Division_Teams(int32_t division);
int32_t Count_League_Teams(int32_t league);
int32_t Count_League_Divisions(int32_t league);
int32_t Count_Leagues();
int32_t Get_Max_League_Teams();
int32_t Get_Max_League_Divisions();
int32_t Get_Max_Division_Teams();
int32_t Get_Nth_Team_In_Conference(int32_t league, int32_t n);
int32_t Get_Nth_Team_In_Division(int32_t division, int32_t n);

// Control queries.
int32_t Is_Human_Team(int32_t team);
int32_t Is_Computer_Team(int32_t team);
int32_t Count_Human_Teams();
int32_t Count_Computer_Teams();
int32_t Is_Multi_Player();
int32_t Get_Nth_Human_Team(int32_t n);
int32_t Get_User_Team();
int32_t Set_User_Team(int32_t team);

// League and division names. Copies into records are bounded by the field.
void Get_League_Name(int32_t n, char* buffer);
void Set_League_Abbreviation(int32_t n, const char* text);
void Get_Division_Name(int32_t n, char* buffer);
void Set_Division_Name(int32_t n, const char* text);

// League edits.
void Swap_Leagues();
void Clear_Empty_League_Names();
void Reset_League_Abbreviations();
void Set_Team_Defensive_System(int32_t team, int32_t system);
// Chooses the defensive system of every computer-run team from its roster.
void Assign_Team_Defensive_Systems();

// Universe stats.
int32_t Get_Universe_Stat(int32_t n);
// Adds one to universe stat n, the league's counters of interception and
// fumble-return touchdowns among them; a counter at INT32_MAX stays there.
void Increment_Universe_Stat(int32_t n);
// The league's counters of return touchdowns that the game engine adds to.
constexpr int INTERCEPTION_RETURN_TOUCHDOWNS = 12;
constexpr int FUMBLE_RETURN_TOUCHDOWNS = 13;
void Set_Universe_Stat(int32_t value);
// Stores universe stat n as given (the league-wide money figures the finance
// model derives); n outside the table is reported and nothing is stored.
void Store_Universe_Stat(int32_t n, int32_t value);
void Adjust_Trade_Reputation(int32_t delta);
int32_t Modify_For_Universe_Stat(int32_t value, int32_t n);

// Draft picks.
int32_t Get_Draft_Order_Team(int32_t i);
int32_t Get_Draft_Pick_Owner(int32_t year, int32_t round, int32_t issuer);
void Set_Draft_Pick_Owner(int32_t year, int32_t round, int32_t issuer, int32_t owner);
int32_t Find_Team_Draft_Pick(int32_t team, int32_t n, int32_t* year, int32_t* round, int32_t* issuer);
// True for a pick of this year's draft that the running college draft has
// already made: every pick of an earlier round, and in the current round the
// picks of the teams among the first Draft_Pick entries of the draft order.
bool Is_Draft_Pick_Spent(int32_t year, int32_t round, int32_t issuer);

// Universe header accessors.
void Get_Database_Notes(char* buffer, int32_t size);
void Set_Database_Notes(const char* text);
void Get_Skin_Name(char* buffer, int32_t size);
void Set_Skin_Name(const char* text);
int32_t Get_Header_Flag(int32_t i);
void Set_Header_Flag(int32_t i, int32_t value);
int32_t Get_Current_View();
void Set_Current_View_Setting(int32_t view);
inline int32_t Get_Current_Week() {
    return Get_User_Preference(CURRENT_WEEK);
}
// Stores the week and sets the main window's title from the calendar.
void Set_Current_Week(int32_t week);
// Keeps the owner's name in the owner Hall of Fame file (a new game does this).
void Store_User_Name_In_Fame_File(const char* name);
int32_t Get_Current_Season_Index();
int32_t Get_Replay_Mode();
// Calendar year of the current season: Base_Year plus the season index, kept
// within MIN_CALENDAR_YEAR..MAX_CALENDAR_YEAR so that a damaged file's values
// can neither overflow the sum nor the date arithmetic built on it.
constexpr int32_t MIN_CALENDAR_YEAR = 0;
constexpr int32_t MAX_CALENDAR_YEAR = 9999;
// Read in place (the season index is an int preference): the year is asked
// for millions of times a season.
inline int32_t Get_Current_Year() {
    static_assert(CURRENT_SEASON_INDEX >= 0 && CURRENT_SEASON_INDEX < NUMBER_OF_INT_PREFERENCES);
    const int64_t year = static_cast<int64_t>(Universe.Header.Universe_Stats[BASE_YEAR]) +
                         Universe.User_Preferences.Ints[CURRENT_SEASON_INDEX];
    if (year < MIN_CALENDAR_YEAR) return MIN_CALENDAR_YEAR;
    if (year > MAX_CALENDAR_YEAR) return MAX_CALENDAR_YEAR;
    return static_cast<int32_t>(year);
}
void Clear_All_Time_Leaders();
