#include "personnel/draft_pool_sort.h"

#include <algorithm>
#include <vector>

#include "app/progress_window.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_record_layout.h"
#include "frontoffice/player_potential.h"
#include "personnel/draft_pool_players.h"
#include "personnel/player_development.h"

namespace {
constexpr int32_t PRESET_BOOST = 1000000;
constexpr int32_t PROGRESS_STEPS = 100;

int64_t Pool_Sort_Key(int32_t team, int32_t slot, int32_t boost, int32_t mode) {
    int64_t key;
    switch (mode) {
    case POOL_SORT_PAY:
        key = Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE);
        break;
    case POOL_SORT_POOL_VALUE:
        key = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE);
        break;
    case POOL_SORT_EVALUATION:
        key = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
        break;
    case POOL_SORT_POTENTIAL:
        key = static_cast<int32_t>(Get_Player_Potential(team, slot));
        break;
    default:
        key = static_cast<int64_t>(15 - Get_Player_Vital_Stat(team, slot, VITAL_POSITION)) * 1000 +
              Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_POOL_VALUE);
        break;
    }
    if (boost && Get_Player_Vital_Stat(team, slot, VITAL_GENERATED_PLAYER) == 0) key += PRESET_BOOST;
    return key;
}
} // namespace

void Sort_Draft_Pool(int32_t boost, int32_t mode) {
    const bool opened = Open_Progress_Window("Sorting College Players...", 100) != 0;
    struct POOL_PLAYER {
        int32_t Team;
        int32_t Slot;
        int64_t Key;
    };
    std::vector<POOL_PLAYER> pool;
    int32_t team = 0;
    int32_t slot = 0;
    // A key depends only on its player, so each is taken once; a stable sort
    // by falling key gives the order that swapping neighbours would.
    for (int32_t index = 0; Get_Draft_Pool_Player(index, &team, &slot); ++index)
        pool.push_back(POOL_PLAYER{team, slot, Pool_Sort_Key(team, slot, boost, mode)});
    std::vector<size_t> order(pool.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&pool](size_t a, size_t b) { return pool[a].Key > pool[b].Key; });
    std::vector<PLAYER_RECORD> records(pool.size());
    for (size_t i = 0; i < pool.size(); ++i)
        Copy_Player_To_Memory(&records[i], pool[i].Team, pool[i].Slot);
    for (size_t i = 0; i < pool.size(); ++i)
        Copy_Player_From_Memory(pool[i].Team, pool[i].Slot, &records[order[i]]);
    if (!opened) return;
    Step_Progress(PROGRESS_STEPS);
    Close_Progress_Window();
}
