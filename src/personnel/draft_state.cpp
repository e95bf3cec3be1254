#include "personnel/draft_state.h"

#include "app/diagnostics.h"
#include "app/web_addresses.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "platform/message_box.h"
#include "season/season_start.h"

namespace {
constexpr int32_t OFF_SEASON_WEEK = 100;

// True while Close_College_Draft sets up the new season.
bool setting_up_season = false;
} // namespace

int32_t Count_Draft_Pool_Players() {
    int32_t count = 0;
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        count += Get_First_Empty_Player_Slot(team);
    return count;
}

int32_t Is_College_Draft_Underway() {
    return Get_User_Preference(DRAFT_ROUND) < NO_COLLEGE_DRAFT_ROUND && Count_Draft_Pool_Players() > 0 ? 1
                                                                                                       : 0;
}

void Close_College_Draft(int32_t pool_empty) {
    // The round is closed before anything else runs, so a test of the draft
    // made meanwhile (a repaint under the message box, the set-up's own
    // steps) finds it over instead of ending it again.
    Set_User_Preference(DRAFT_PICK, 0);
    Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
    if (pool_empty)
        Show_Formatted_Message("College Draft",
                               "The College Draft has ended because the draft pool is empty. If you think "
                               "this is an error, please report the problem to %s\n\nThanks!",
                               SUPPORT_ADDRESS);
    if (setting_up_season) return;
    setting_up_season = true;
    Setup_New_Season();
    setting_up_season = false;
}

int32_t Is_College_Draft_Running() {
    if (Get_User_Preference(DRAFT_ROUND) >= NO_COLLEGE_DRAFT_ROUND) return 0;
    if (Count_Draft_Pool_Players() > 0) return 1;
    if (Get_User_Preference(CURRENT_WEEK) != OFF_SEASON_WEEK) {
        Log_Debug_Line(
            "A draft round was set outside the off-season with an empty draft pool; no draft runs.");
        Set_User_Preference(DRAFT_ROUND, NO_COLLEGE_DRAFT_ROUND);
        Set_User_Preference(DRAFT_PICK, 0);
        return 0;
    }
    Close_College_Draft(1);
    return 0;
}
