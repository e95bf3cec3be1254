#include "frontoffice/team_passes.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/returners.h"

namespace {
constexpr int32_t ROSTER_LIMIT = 52;
constexpr int32_t FIRST_KEPT_FREE_SLOT = 97;
constexpr int32_t NUMBER_OF_UNITS = 3;
constexpr int32_t LAST_POOL_TEAM = TOTAL_NUMBER_OF_TEAMS - 1;
} // namespace

void Cut_Roster_To_Limit(int32_t team) {
    if (!Is_Valid_Team_Code(team)) return;
    if (Is_Human_Team(team)) return;
    // From the last slot down, so a release does not move the next candidate.
    for (int32_t slot = PLAYERS_PER_TEAM - 1; slot >= FIRST_KEPT_FREE_SLOT; --slot) {
        if (!Is_Player_Slot_Used(team, slot) || Get_First_Empty_Player_Slot(team) < ROSTER_LIMIT) continue;
        // The pools have nowhere to send a player; he leaves the league.
        if (team < FREE_AGENT_TEAM)
            Release_Player_To_Free_Agents(team, slot);
        else
            Delete_Player(team, slot);
    }
}

void Choose_Team_Returners(int32_t team) {
    Choose_Best_Returner(team, 0);
    Choose_Best_Returner(team, 1);
}

void Sort_Team_Roster(int32_t team) {
    for (int32_t unit = 0; unit < NUMBER_OF_UNITS; ++unit)
        Sort_Roster_Section(team, unit);
}

void Auto_Set_Team_Depth_Chart(int32_t team) {
    if (!Is_Active_Team(team)) return;
    Cut_Roster_To_Limit(team);
    for (int32_t unit = 0; unit < NUMBER_OF_UNITS; ++unit)
        Auto_Set_Depth_Chart(team, unit, 0);
    Choose_Team_Returners(team);
    Sort_Team_Roster(team);
    Compact_Team_Roster(team);
}

void Auto_Set_Computer_Depth_Charts(int32_t) {
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) return;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Computer_Team(team)) Auto_Set_Team_Depth_Chart(team);
    for (int32_t team = FREE_AGENT_TEAM; team <= LAST_POOL_TEAM; ++team)
        Compact_Team_Roster(team);
}
