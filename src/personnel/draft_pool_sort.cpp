#include "personnel/draft_pool_sort.h"

#include <algorithm>
#include <vector>

#include "app/progress_window.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_record_layout.h"
#include "frontoffice/player_potential.h"
#include "personnel/draft_state.h"
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

int32_t Get_Draft_Pool_Team(int32_t index) {
    return FIRST_COLLEGE_POOL_TEAM + index / PLAYERS_PER_TEAM;
}

int32_t Get_Draft_Pool_Slot(int32_t index) {
    return index % PLAYERS_PER_TEAM;
}

void Sort_Draft_Pool(int32_t boost, int32_t mode) {
    const bool opened = Open_Progress_Window("Sorting College Players...", 100) != 0;
    const int32_t count = Count_Draft_Pool_Players();
    // A key depends only on its player, so each is taken once; a stable sort
    // by falling key gives the order that swapping neighbours would.
    std::vector<int64_t> keys(static_cast<size_t>(count));
    std::vector<int32_t> order(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        keys[static_cast<size_t>(i)] =
            Pool_Sort_Key(Get_Draft_Pool_Team(i), Get_Draft_Pool_Slot(i), boost, mode);
        order[static_cast<size_t>(i)] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&keys](int32_t a, int32_t b) {
        return keys[static_cast<size_t>(a)] > keys[static_cast<size_t>(b)];
    });
    std::vector<PLAYER_RECORD> records(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        Copy_Player_To_Memory(&records[static_cast<size_t>(i)], Get_Draft_Pool_Team(i),
                              Get_Draft_Pool_Slot(i));
    for (int32_t i = 0; i < count; ++i)
        Copy_Player_From_Memory(Get_Draft_Pool_Team(i), Get_Draft_Pool_Slot(i),
                                &records[static_cast<size_t>(order[static_cast<size_t>(i)])]);
    if (!opened) return;
    Step_Progress(PROGRESS_STEPS);
    Close_Progress_Window();
}
