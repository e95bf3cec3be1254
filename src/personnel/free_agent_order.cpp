#include "personnel/free_agent_order.h"

#include "database/player_record.h"
#include "database/roster_slots.h"

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
