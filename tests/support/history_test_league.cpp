#include "support/history_test_league.h"

#include <cstring>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/new_team.h"
#include "season/league_history.h"

namespace {
constexpr int32_t FIRST_YEAR = 1951;
constexpr int32_t OFF_SEASON_WEEK = 100;

struct FIRST_TEAM {
    const char* Location;
    const char* Nickname;
    const char* Abbreviation;
    int32_t Division;
};

const FIRST_TEAM TEAMS_OF_1951[] = {
    {"Chicago", "Bears", "CHI", 1},       {"Chicago", "Cardinals", "CRD", 0},
    {"Cleveland", "Browns", "CLE", 0},    {"Detroit", "Lions", "DET", 1},
    {"Green Bay", "Packers", "GB", 1},    {"Los Angeles", "Rams", "LA", 1},
    {"New York", "Giants", "NYG", 0},     {"New York", "Yanks", "NYY", 1},
    {"Philadelphia", "Eagles", "PHI", 0}, {"Pittsburgh", "Steelers", "PIT", 0},
    {"San Francisco", "49ers", "SF", 1},  {"Washington", "Redskins", "WAS", 0},
};
} // namespace

void Enter_Off_Season_Before(int32_t year) {
    Set_User_Preference(CURRENT_SEASON_INDEX, year - 1 - FIRST_YEAR);
    Set_User_Preference(CURRENT_WEEK, OFF_SEASON_WEEK);
}

void Build_1951_League() {
    Clear_Universe();
    Universe.Header.Universe_Stats[BASE_YEAR] = FIRST_YEAR;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 12;
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1000;
    Universe.Season_Length = 12;
    Set_League_Abbreviation(0, "NFL");
    Set_Division_Name(0, "American");
    Set_Division_Name(1, "National");
    int32_t team = 0;
    for (const FIRST_TEAM& first : TEAMS_OF_1951) {
        Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
        Set_Team_Stat(team, TEAM_STAT_DIVISION, first.Division);
        Set_Team_Location(first.Location, team);
        Set_Team_Nickname(first.Nickname, team);
        Set_Team_Abbreviation(first.Abbreviation, team);
        ++team;
    }
    Count_Active_Teams();
    Enter_Off_Season_Before(FIRST_YEAR + 1);
    for (int32_t n = 0; n < team; ++n)
        Fill_New_Team_Roster(n);
    Build_All_Player_Hashes();
}

void Apply_History_Through(int32_t year) {
    const int32_t simulating = Get_User_Preference(MULTI_SEASON_SIMULATION);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    for (int32_t next = Get_Current_Year() + 1; next <= year; ++next) {
        Enter_Off_Season_Before(next);
        Apply_League_History_For_Next_Year();
    }
    Set_User_Preference(MULTI_SEASON_SIMULATION, simulating);
}

int32_t Find_Test_Team(const char* full_name) {
    char name[FORMATTED_TEXT_SIZE];
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        Get_Team_Full_Name(team, name);
        if (strcmp(name, full_name) == 0) return team;
    }
    return -1;
}
