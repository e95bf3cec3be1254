#include "season/season_start.h"

#include <cstdio>

#include "app/diagnostics.h"
#include "app/main_menu.h"
#include "app/main_window_title.h"
#include "app/news_ticker.h"
#include "app/progress_window.h"
#include "app/status_bars.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/rating_normalisation.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_balance.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/free_agent_market.h"
#include "frontoffice/roster_moves.h"
#include "frontoffice/team_budgets.h"
#include "frontoffice/team_needs.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_order.h"
#include "personnel/draft_pool_players.h"
#include "personnel/draft_state.h"
#include "personnel/injuries.h"
#include "season/league_rules.h"
#include "season/playoff_seeding.h"
#include "season/replay_stats.h"
#include "season/schedule_generation.h"
#include "season/team_yearly_fields.h"
#include "tools/image_downloads.h"
#include "tools/team_records_csv.h"
#include "views/current_view.h"

namespace {
constexpr int32_t NO_DRAFT_ROUND = 7;
constexpr int32_t FIRST_TIMELINE_STATE = 176;
constexpr int32_t VIEW_STANDINGS = 40030;
constexpr int32_t LAST_REAL_RECORDS_YEAR = 2022;
constexpr int32_t SETUP_HEALING_WEEKS = 19;

void Step_If(bool opened, int32_t steps) {
    if (opened) Step_Progress(steps);
}

// Draft 0 takes the owners of draft 1, draft 1 those of draft 2, and in the
// new draft 2 every team owns its own pick.
void Move_Draft_Picks_On(int32_t teams) {
    for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
        for (int32_t team = 0; team < teams; ++team) {
            Set_Draft_Pick_Owner(0, round, team, Get_Draft_Pick_Owner(1, round, team));
            Set_Draft_Pick_Owner(1, round, team, Get_Draft_Pick_Owner(2, round, team));
            Set_Draft_Pick_Owner(2, round, team, team);
        }
}

// Undrafted prospects join the free agents; having never signed, they ask
// for a free agent's terms, which the signings of the computer teams weigh.
void Release_Undrafted_Players() {
    for (int32_t left = Count_Draft_Pool_Players(); left > 0;) {
        int32_t team = NO_TEAM;
        int32_t slot = NO_PLAYER;
        if (Get_Draft_Pool_Player(0, &team, &slot) == 0) break;
        Release_Player_To_Free_Agents(team, slot);
        const int32_t now = Count_Draft_Pool_Players();
        if (now >= left) break;
        left = now;
    }
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, slot) &&
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_CONTRACT_YEARS) < 1)
            Set_Desired_Contract_Demand(FREE_AGENT_TEAM, slot);
}
} // namespace

// The steps run whether or not the progress window could be opened (another
// one may still be open); only the window's steps depend on it. Otherwise a
// season could start with last season's game records and draft picks.
void Compute_League_Position_Norms() {
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        Compute_League_Position_Need_Norm(position);
        Compute_League_Position_Depth_Norm(position);
        Compute_League_Position_Strength_Norm(position);
    }
}

void Setup_New_Season() {
    const int32_t teams = Count_Active_Teams();
    char caption[64];
    snprintf(caption, sizeof caption, "Setting up %d season...", Get_Current_Year());
    const bool opened = Open_Progress_Window(caption, 100) != 0;
    Move_Draft_Picks_On(teams);
    Clear_All_Game_Records();
    Step_If(opened, 2);
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        Copy_Team_Current_Totals_To_Previous(team);
        Clear_Team_Current_Season_Totals(team);
    }
    Step_If(opened, 8);
    Run_Free_Agent_Market(opened ? 1 : 0);
    Release_Undrafted_Players();
    Do_Computer_Roster_Moves();
    Step_If(opened, 4);
    Clear_Negative_Experience();
    Step_If(opened, 10);
    if (opened) Close_Progress_Window();
    Heal_All_Players_For_Weeks(SETUP_HEALING_WEEKS);
    Set_All_Automatic_Budgets(1);
    Run_Free_Agent_Market(0);
    Apply_League_Rules_For_Year();
    Start_Season(1);
    Create_Status_Bar();
    Update_Play_Menu();
    Tell_Replay_Mode_Ended();
}

void Start_Season(int32_t copy_logos) {
    Log_Debug_Line("Start_Season()");
    Set_Current_Week(0);
    const bool opened = Open_Progress_Window("Processing Off-Season", 20) != 0;
    if (copy_logos)
        Copy_All_Team_Logos();
    else
        Step_If(opened, 5);
    const int32_t timeline[4] = {0, 0, 1, 1};
    for (int32_t n = 0; n < 4; ++n)
        Set_User_Preference(FIRST_TIMELINE_STATE + n, timeline[n]);
    Set_User_Preference(DRAFT_ROUND, NO_DRAFT_ROUND);
    Clear_Playoff_Bracket();
    Reset_Team_Yearly_Fields();
    Update_Standings();
    Seed_Playoffs();
    Step_If(opened, 1);
    Set_Current_View(VIEW_STANDINGS);
    Update_Main_Window_Title();
    Erase_Orphan_Season_Lines();
    Step_If(opened, 2);
    if (Get_Current_Year() <= LAST_REAL_RECORDS_YEAR) Load_Team_Records_CSV();
    // The seasons file ends with the last real season; past it the replay has
    // nothing to read, so the mode ends rather than fail every season.
    End_Replay_Mode_Past_Real_Seasons();
    if (Get_Replay_Mode() != 0) Load_Replay_Season_Stats();
    Normalize_Player_Ratings();
    Do_Automatic_Signings();
    Step_If(opened, 1);
    Auto_Set_Computer_Depth_Charts(0);
    Step_If(opened, 5);
    if (Get_User_Preference(CURRENT_SEASON_INDEX) != 0) Assign_Team_Defensive_Systems();
    Step_If(opened, 2);
    Update_Team_Strength_Levels();
    Step_If(opened, 2);
    Compute_League_Position_Norms();
    Step_If(opened, 2);
    if (opened) Close_Progress_Window();
    Generate_Season_Schedule();
    Universe.Header.Target_Week = static_cast<uint16_t>(Get_User_Preference(CURRENT_WEEK));
    // Every load sets the coming draft's order from the season's results; set
    // it here too, so that a season saved before its first week loads back
    // exactly as it was saved.
    Set_College_Draft_Order();
}
