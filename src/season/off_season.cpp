#include "season/off_season.h"

#include "app/play_menu.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "personnel/college_draft_flow.h"
#include "personnel/injuries.h"
#include "platform/message_box.h"
#include "season/league_history.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;
// The teams' yearly history holds 100 seasons; the last one is reused.
constexpr int32_t LAST_SEASON_INDEX = 99;
constexpr int32_t NUMBER_OF_SEASON_STATS = 20;
constexpr int32_t OFF_SEASON_HEALING_WEEKS = 11;

// Every player's this-season statistics become last season's.
void Roll_Player_Statistics() {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (team < MAX_FRANCHISES && !Is_Active_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
                Set_Player_Stat(team, slot, 1, stat, Get_Player_Stat(team, slot, 0, stat));
            Clear_Player_Season_Stats(team, slot, 0);
        }
    }
}

} // namespace

// The season-end reports, contract renewals, team finances and predicted
// seasons join this step as their parts are built; the calendar's part of it,
// and the coming year's league history, stand here whole.
int32_t Start_Off_Season() {
    Roll_Player_Statistics();
    Apply_League_History_For_Next_Year();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (season >= 0 && season < LAST_SEASON_INDEX) Set_User_Preference(CURRENT_SEASON_INDEX, season + 1);
    Set_Current_Week(OFF_SEASON_WEEK);
    Build_All_Player_Hashes();
    bool draft = true;
    if (Get_User_Preference(MULTI_SEASON_SIMULATION) == 0) {
        const int answer =
            Show_Message_Box("The College Draft is ready to begin.\n\nPress 'Yes' to begin the draft.\n"
                             "Press 'No' to pause so that you can sign free agents or trade draft "
                             "picks before the draft.",
                             "Begin College Draft?", BOX_YES_NO | BOX_TASK_MODAL);
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
