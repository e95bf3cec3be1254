#include "personnel/free_agent_order.h"

#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "personnel/player_generation.h"

namespace {
// The pool keeps its last slots free for released players.
constexpr int32_t POOL_ROOM_LIMIT = 97;
} // namespace

void Sort_Free_Agents() {
    // Stable insertion sort over the packed pool, by evaluation descending.
    int32_t count = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    float value[PLAYERS_PER_TEAM];
    for (int32_t s = 0; s < count; ++s)
        value[s] = Evaluate_Player_At_Own_Position(FREE_AGENT_TEAM, s);
    for (int32_t i = 1; i < count; ++i) {
        for (int32_t k = i; k > 0 && value[k] > value[k - 1]; --k) {
            Swap_Players(FREE_AGENT_TEAM, k, FREE_AGENT_TEAM, k - 1);
            float held = value[k];
            value[k] = value[k - 1];
            value[k - 1] = held;
        }
    }
}

void Replenish_Free_Agents() {
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        for (int32_t created = 0;
             Count_Team_Position_Players(FREE_AGENT_TEAM, position) < Get_Position_Roster_Minimum(position) &&
             created < PLAYERS_PER_TEAM;
             ++created) {
            while (Get_First_Empty_Player_Slot(FREE_AGENT_TEAM) >= POOL_ROOM_LIMIT)
                if (!Cut_One_Player_If_Over_Limit(FREE_AGENT_TEAM)) return;
            const int32_t slot = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
            Create_Player_For_Team(FREE_AGENT_TEAM, slot, position, REPLACEMENT_PLAYER_WEAKNESS);
            if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, slot)) return;
        }
}
