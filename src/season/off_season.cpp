#include "season/off_season.h"

#include "app/main_menu.h"
#include "app/progress_window.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "database/team_results.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/fan_support.h"
#include "personnel/college_draft_flow.h"
#include "personnel/draft_state.h"
#include "personnel/injuries.h"
#include "personnel/predicted_consistency.h"
#include "personnel/predicted_stats.h"
#include "platform/message_box.h"
#include "reports/season_reports.h"
#include "season/contract_renewals.h"
#include "season/league_history.h"
#include "season/season_start.h"
#include "season/team_yearly_fields.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t OFF_SEASON_HEALING_WEEKS = 11;
constexpr int32_t PROGRESS_STEPS = 100;
// Steps of the computer teams' pass, after the first.
constexpr int32_t TEAM_PASS_STEPS = PROGRESS_STEPS - 1;
constexpr int32_t HARDEST_DIFFICULTY = 3;

void Step_If(bool opened, int32_t steps) {
    if (opened && steps > 0) Step_Progress(steps);
}

// Every player's this-season statistics become last season's.
void Roll_Player_Statistics() {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (team < MAX_FRANCHISES && !Is_Active_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                Set_Player_Stat(team, slot, SEASON_LAST, stat,
                                Get_Player_Stat(team, slot, SEASON_THIS, stat));
            Clear_Player_Season_Stats(team, slot, SEASON_THIS);
        }
    }
}

// The season's books of a team close: its finance row and finish, its fans'
// verdict, and this season's figures cleared for the next.
void Close_Team_Season(int32_t team) {
    Renew_Team_Contracts(team);
    Record_Team_Season_Finances(team);
    Update_Team_Fan_Support(team);
    Clear_Previous_Financial_Stats(team);
}

void Renew_Human_Teams(int32_t teams) {
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Human_Team(team)) continue;
        if (Count_Human_Teams() > 1) {
            char name[FORMATTED_TEXT_SIZE];
            Get_Team_Full_Name(team, name);
            Show_Formatted_Message("Contract Renewals",
                                   "The %s are renewing contracts and releasing players.", name);
        }
        Close_Team_Season(team);
    }
}

// The pass takes the 99 steps left in equal shares, the first teams one more
// to make up the remainder.
void Renew_Computer_Teams(int32_t teams, bool opened) {
    const int32_t computers = Count_Computer_Teams();
    const int32_t share = computers > 0 ? TEAM_PASS_STEPS / computers : TEAM_PASS_STEPS;
    const int32_t remainder = TEAM_PASS_STEPS - share * computers;
    int32_t done = 0;
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team) || Is_Human_Team(team)) continue;
        Close_Team_Season(team);
        Step_If(opened, 1);
        Auto_Set_Team_Depth_Chart(team);
        Step_If(opened, share - 1 + (done < remainder ? 1 : 0));
        ++done;
    }
}

// A team that won more than half its games is predicted less next year, one
// below half more; the harder the game, the stronger the pull.
void Adjust_League_Predicted_Stats() {
    const int32_t teams = Refresh_Active_Team_Count();
    int32_t difficulty = Get_User_Preference(DIFFICULTY_LEVEL);
    if (difficulty < 0) difficulty = 0;
    if (difficulty > HARDEST_DIFFICULTY) difficulty = HARDEST_DIFFICULTY;
    for (int32_t team = 0; team < teams; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        Adjust_Team_Predicted_Stats(team,
                                    (500 - Get_Team_Winning_Percentage(team)) / (10 * (5 - difficulty)));
    }
}
} // namespace

void Adjust_Team_Predicted_Stats(int32_t team, int32_t modifier) {
    if (modifier == 0) return;
    if (!Is_Used_Franchise_Slot(team) && !(team >= FREE_AGENT_TEAM && team < TOTAL_NUMBER_OF_TEAMS)) return;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (Is_Player_Slot_Used(team, slot))
            Modify_Randomly_And_Reconcile_Predicted_Stats(team, slot, modifier,
                                                          PREDICTION_CHANGE_TEAM_RESULT);
    }
}

// Each step runs whether or not the progress window could be opened (another
// one may be open already); only the window's own steps depend on it.
int32_t Start_Off_Season() {
    const int32_t teams = Refresh_Active_Team_Count();
    Compute_League_Position_Norms();
    Write_Awards_Report();
    Write_Money_Report();
    Write_Standings_Report();
    Renew_Team_Contracts(FREE_AGENT_TEAM);
    Renew_Human_Teams(teams);
    const bool opened = Open_Progress_Window("Processing Offseason...", PROGRESS_STEPS) != 0;
    Step_If(opened, 1);
    Renew_Computer_Teams(teams, opened);
    Roll_Player_Statistics();
    Adjust_League_Predicted_Stats();
    if (opened) Close_Progress_Window();
    {
        // The season's rows are written and are history now: the coming
        // year's moves, realignments and new teams leave its ranks, division
        // places and finishes as they stand. Past the off-season week below,
        // the index that moved on tells as much.
        SETTLED_SEASON_SCOPE settled;
        Apply_League_History_For_Next_Year();
        Advance_Season_Index();
        // No draft runs before the question below; a round left over from an
        // old file or a new league would otherwise read as a running draft
        // with an empty pool once the week is 100, and the first look at it
        // (the window title) would end that draft and set up a season in mid
        // roll-over.
        if (Get_User_Preference(DRAFT_ROUND) != NO_COLLEGE_DRAFT_ROUND) {
            Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
            Set_User_Preference(DRAFT_PICK, 0);
        }
        Set_Current_Week(OFF_SEASON_WEEK);
    }
    Build_All_Player_Hashes();
    bool draft = true;
    if (Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
        const int answer =
            Show_Message_Box("The College Draft is ready to begin.\n\nPress 'Yes' to begin the draft.\n"
                             "Press 'No' to pause so that you can sign free agents or trade draft "
                             "picks before the draft.",
                             "Begin College Draft?", BOX_YES_NO | BOX_QUESTION | BOX_TASK_MODAL);
        if (answer != ID_BOX_YES) {
            Show_Formatted_Message("College Draft",
                                   "To start the College Draft, choose 'Start Draft' from the Play Menu.");
            draft = false;
        }
    }
    if (draft) Finish_Off_Season();
    Update_Play_Menu();
    for (int32_t week = 0; week < OFF_SEASON_HEALING_WEEKS; ++week)
        Heal_All_Players();
    return 0;
}
