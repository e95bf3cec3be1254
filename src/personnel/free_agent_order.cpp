#include "personnel/free_agent_order.h"

#include <algorithm>
#include <vector>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "personnel/player_generation.h"

namespace {
// The pool keeps its last slots free for released players.
constexpr int32_t POOL_ROOM_LIMIT = 97;
constexpr int32_t SORT_BY_SALARY = 0;
constexpr int32_t SORT_BY_OVERALL = 2;
constexpr int32_t SHOWN_OVERALL_STAT = 225;
} // namespace

int64_t Get_Free_Agent_Sort_Key(int32_t slot, int32_t mode) {
    const int32_t salary = Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SALARY);
    switch (mode) {
    case SORT_BY_SALARY:
        return salary;
    case SORT_BY_OVERALL:
        return Get_Player_Stat(FREE_AGENT_TEAM, slot, SEASON_PREDICTED, SHOWN_OVERALL_STAT);
    default:
        return static_cast<int64_t>(15 - Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION)) *
                   100000 +
               salary;
    }
}

void Sort_Free_Agents() {
    const int32_t count = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    const int32_t mode = Get_User_Preference(PLAYER_SORT_MODE);
    // A key depends only on its player, so each is taken once; a stable sort
    // by falling key gives the order that swapping neighbours would.
    std::vector<int64_t> key(static_cast<size_t>(count));
    std::vector<int32_t> order(static_cast<size_t>(count));
    for (int32_t slot = 0; slot < count; ++slot) {
        key[static_cast<size_t>(slot)] = Get_Free_Agent_Sort_Key(slot, mode);
        order[static_cast<size_t>(slot)] = slot;
    }
    std::stable_sort(order.begin(), order.end(), [&key](int32_t a, int32_t b) {
        return key[static_cast<size_t>(a)] > key[static_cast<size_t>(b)];
    });
    bool moved = false;
    for (int32_t slot = 0; slot < count; ++slot)
        moved = moved || order[static_cast<size_t>(slot)] != slot;
    if (moved) {
        std::vector<PLAYER_RECORD> records(static_cast<size_t>(count));
        for (int32_t slot = 0; slot < count; ++slot)
            Copy_Player_To_Memory(&records[static_cast<size_t>(slot)], FREE_AGENT_TEAM, slot);
        for (int32_t slot = 0; slot < count; ++slot)
            Copy_Player_From_Memory(FREE_AGENT_TEAM, slot,
                                    &records[static_cast<size_t>(order[static_cast<size_t>(slot)])]);
    }
    Replenish_Free_Agents();
}

void Replenish_Free_Agents() {
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        for (int32_t created = 0;
             Count_Team_Position_Players(FREE_AGENT_TEAM, position) < Get_Position_Roster_Minimum(position) &&
             created < PLAYERS_PER_TEAM;
             ++created) {
            while (Get_First_Empty_Player_Slot(FREE_AGENT_TEAM) >= POOL_ROOM_LIMIT) {
                const int32_t held = Count_Team_Position_Players(FREE_AGENT_TEAM, position);
                if (!Cut_One_Player_If_Over_Limit(FREE_AGENT_TEAM)) return;
                // During a fantasy draft a pool of drafted players may have
                // no one to let go but the players made for it: one made at
                // this very position would only be made again.
                if (Count_Team_Position_Players(FREE_AGENT_TEAM, position) < held) return;
            }
            const int32_t slot = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
            Create_Player_For_Team(FREE_AGENT_TEAM, slot, position, REPLACEMENT_PLAYER_WEAKNESS);
            if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, slot)) return;
        }
}
