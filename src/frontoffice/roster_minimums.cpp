// Roster minimums: the fewest healthy players a team may field at a position.
#include "frontoffice/roster_minimums.h"

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/team_record_layout.h"
#include "personnel/player_generation.h"

namespace {
// Starters of the base formations plus the backups the formations reach for.
constexpr int32_t MINIMUM_PLAYERS[NUMBER_OF_POSITIONS] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 3, 5, 4, 3, 1, 1};
// A player made to reach a minimum is a free agent's level, at most 59.
constexpr float CREATED_PLAYER_WEAKNESS = 1.0f;

int32_t Find_Empty_Slot(int32_t team) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (!Is_Player_Slot_Used(team, slot)) return slot;
    return -1;
}
} // namespace

int32_t Get_Position_Roster_Minimum(int32_t position) {
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return 0;
    return MINIMUM_PLAYERS[position];
}

void Fill_Roster_Minimums(int32_t team) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) {
        Report_System_Error("nTeam out of bounds in Fill_Roster_Minimums(%d)", team);
        return;
    }
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        while (Count_Team_Available_Position_Players(team, position) < MINIMUM_PLAYERS[position]) {
            const int32_t slot = Find_Empty_Slot(team);
            if (slot < 0) return;
            Create_Player_For_Team(team, slot, position, CREATED_PLAYER_WEAKNESS);
            if (!Is_Player_Slot_Used(team, slot)) return;
        }
    }
}
