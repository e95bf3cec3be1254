#include "dialogs/session_settings.h"

#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "dialogs/column_sets.h"
#include "dialogs/saved_game_names.h"
#include "season/league_rules.h"

namespace {

// The views' chosen columns: standings, finances, leader lists, calendar.
constexpr int FIRST_STANDINGS_COLUMN = 100;
constexpr int STANDINGS_COLUMNS[] = {2, 0, 5, 7, 8};
constexpr int FIRST_FINANCE_COLUMN = 105;
constexpr int FINANCE_COLUMNS[] = {46, 8, 17, 47, 3, 49, 2};
constexpr int LAST_FINANCE_COLUMN = 112;
constexpr int AVERAGE_AGE_HEADING = 9;
constexpr int TITLES_WON_HEADING = 1;
constexpr int FIRST_TITLE_GAME_YEAR = 1966;
constexpr int FIRST_LEADER_LIST = 113;
constexpr int LEADER_LISTS[] = {2, 11, 15, 24};
constexpr int LEADERS_VIEW_MODE = 118;
constexpr int FIRST_CALENDAR_COLUMN = 119;
constexpr int CALENDAR_COLUMNS[] = {18, 2, 3, 4, 5};
constexpr int LAST_SEASON_CHOICE = 1;
constexpr int DEFAULT_PLAY_DELAY = 300;
constexpr int TEAM_STRING_GENERAL_MANAGER = 5;
constexpr int DIVISIONS_PER_LEAGUE = 4;
constexpr int LAST_POOL_TEAM = TOTAL_NUMBER_OF_TEAMS - 1;

template <int N> void Set_Columns(int first, const int (&columns)[N]) {
    for (int n = 0; n < N; ++n)
        Set_User_Preference(first + n, columns[n]);
}
} // namespace

void Reset_Game_Session_Settings() {
    Set_Columns(FIRST_STANDINGS_COLUMN, STANDINGS_COLUMNS);
    Set_Columns(FIRST_FINANCE_COLUMN, FINANCE_COLUMNS);
    Set_User_Preference(LAST_FINANCE_COLUMN, Get_Current_Year() < FIRST_TITLE_GAME_YEAR ? AVERAGE_AGE_HEADING
                                                                                        : TITLES_WON_HEADING);
    Set_Columns(FIRST_LEADER_LIST, LEADER_LISTS);
    Set_User_Preference(LEADERS_VIEW_MODE, 0);
    Set_Columns(FIRST_CALENDAR_COLUMN, CALENDAR_COLUMNS);
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Set_User_Preference(STAT_SEASON_CHOICE, LAST_SEASON_CHOICE);
    Set_User_Preference(SELECTED_PLAYER_SLOT, 0);

    int32_t team = Get_Nth_Human_Team(0);
    if (team < 0 || Is_No_Team(team)) team = 0;
    Set_User_Preference(VIEWED_TEAM, team);
    const bool franchise = Is_Used_Franchise_Slot(team);
    if (franchise && Get_User_Preference(MULTI_SEASON_SIMULATION) == 0 &&
        Get_Team_Stat(team, TEAM_STAT_CONTROL) == TEAM_CONTROL_HUMAN)
        Set_User_Preference(USER_TEAM, team);
    Set_User_Preference(SHOWN_LEAGUE, franchise || (team >= FREE_AGENT_TEAM && team <= LAST_POOL_TEAM)
                                          ? Get_Team_Division(team) / DIVISIONS_PER_LEAGUE
                                          : -1);
    char owner[TEAM_STRING_LENGTH] = "";
    Get_Team_String(owner, team, TEAM_STRING_GENERAL_MANAGER);
    Store_User_Name_In_Fame_File(owner);
    Set_Second_Name(owner);

    Set_User_Preference(SHOWN_GAME_INDEX, -1);
    Set_User_Preference(PLAY_ANIMATION_DELAY, DEFAULT_PLAY_DELAY);
    Apply_League_Rules_For_Year();
    Set_Skin_Name("earth");
    char name[DEFAULT_SAVE_NAME_SIZE];
    Get_Default_Save_Name(name, sizeof name);
    Set_Saved_Game_Name(name);
}

// Every kind of player list gets its default columns, sorted by nothing.
void Reset_Listview_Column_Sets() {
    for (int32_t kind = 0; kind < COLUMN_SET_KINDS; ++kind)
        Write_Default_Column_Set(kind);
}
