#include "frontoffice/roster_limits.h"

#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_operations.h"

namespace {
constexpr int32_t ROSTER_LIMIT = 52;
} // namespace

int32_t Cut_One_Player_If_Over_Limit(int32_t team) {
    if (static_cast<uint32_t>(team) >= TOTAL_NUMBER_OF_TEAMS) return 0;
    int32_t count = Get_First_Empty_Player_Slot(team);
    if (count < ROSTER_LIMIT) return 0;
    // The weakest player at his own position goes; the last one on ties.
    int32_t weakest = count - 1;
    float lowest = Evaluate_Player_At_Own_Position(team, weakest);
    for (int32_t slot = count - 2; slot >= 0; --slot) {
        float value = Evaluate_Player_At_Own_Position(team, slot);
        if (value < lowest) {
            lowest = value;
            weakest = slot;
        }
    }
    if (team < FREE_AGENT_TEAM)
        Release_Player_To_Free_Agents(team, weakest);
    else
        Delete_Player(team, weakest);
    return 1;
}
