#include "personnel/draft_state.h"

#include "app/diagnostics.h"
#include "database/settings.h"
#include "database/universe.h"

namespace {
constexpr int NO_DRAFT_ROUND = 7;
}

int32_t Count_Draft_Pool_Players() {
    int32_t count = 0;
    for (int team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (const PLAYER_RECORD& player : Universe.Teams[team].Players)
            if (player.Vital_Stats[0] != 0) ++count;
    return count;
}

int32_t Is_College_Draft_Running() {
    if (Get_User_Preference(DRAFT_ROUND) >= NO_DRAFT_ROUND) return 0;
    if (Count_Draft_Pool_Players() > 0) return 1;
    Log_Debug_Line("The college draft is over: no players are left in the draft pool.");
    Set_User_Preference(DRAFT_ROUND, NO_DRAFT_ROUND);
    Set_User_Preference(DRAFT_PICK, 0);
    return 0;
}
