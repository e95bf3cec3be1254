#include <gtest/gtest.h>

#include <cstring>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/universe.h"
#include "frontoffice/roster_minimums.h"
#include "personnel/draft_pool_sort.h"
#include "personnel/free_agent_order.h"
#include "personnel/player_generation.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t FREE_AGENTS = FREE_AGENT_TEAM;

int32_t Salary(int32_t slot) {
    return Get_Player_Vital_Stat(FREE_AGENTS, slot, VITAL_SALARY);
}
} // namespace

TEST(FreeAgentOrder, PoolFollowsTheListSortModeAndIsToppedUp) {
    Build_Computer_League();
    const int32_t count = Get_First_Empty_Player_Slot(FREE_AGENTS);
    ASSERT_GT(count, 20);
    // Two agents on equal pay keep their order.
    Set_Player_Vital_Stat(FREE_AGENTS, 3, VITAL_SALARY, 777);
    Set_Player_Vital_Stat(FREE_AGENTS, 9, VITAL_SALARY, 777);
    const int32_t first = Get_Player_ID(FREE_AGENTS, 3), second = Get_Player_ID(FREE_AGENTS, 9);
    Set_User_Preference(PLAYER_SORT_MODE, 0);
    Sort_Free_Agents();
    ASSERT_EQ(Get_First_Empty_Player_Slot(FREE_AGENTS), count);
    int32_t first_at = -1, second_at = -1;
    for (int32_t slot = 0; slot < count; ++slot) {
        if (slot > 0) {
            EXPECT_GE(Salary(slot - 1), Salary(slot)) << "slot " << slot;
        }
        if (Get_Player_ID(FREE_AGENTS, slot) == first) first_at = slot;
        if (Get_Player_ID(FREE_AGENTS, slot) == second) second_at = slot;
    }
    EXPECT_LT(first_at, second_at);

    // By position, quarterbacks first, the best paid first within a position.
    Set_User_Preference(PLAYER_SORT_MODE, 1);
    Sort_Free_Agents();
    for (int32_t slot = 1; slot < count; ++slot) {
        const int32_t before = Get_Player_Vital_Stat(FREE_AGENTS, slot - 1, VITAL_POSITION);
        const int32_t position = Get_Player_Vital_Stat(FREE_AGENTS, slot, VITAL_POSITION);
        EXPECT_LE(before, position) << "slot " << slot;
        if (before == position) {
            EXPECT_GE(Salary(slot - 1), Salary(slot)) << "slot " << slot;
        }
    }

    // A position the pool has run out of is stocked again.
    for (int32_t slot = count - 1; slot >= 0; --slot)
        if (Get_Player_Vital_Stat(FREE_AGENTS, slot, VITAL_POSITION) == POSITION_K)
            Delete_Player(FREE_AGENTS, slot);
    ASSERT_EQ(Count_Team_Position_Players(FREE_AGENTS, POSITION_K), 0);
    Sort_Free_Agents();
    EXPECT_EQ(Count_Team_Position_Players(FREE_AGENTS, POSITION_K), Get_Position_Roster_Minimum(POSITION_K));
}

TEST(FreeAgentOrder, EmptySlotsTakeNoPartInASort) {
    Build_Test_League();
    Seed_Random_Numbers(8);
    const int32_t pool = FIRST_COLLEGE_POOL_TEAM;
    for (int32_t slot = 0; slot < 6; ++slot)
        Fabricate_Position_Player(pool, slot, POSITION_LB, 0);
    // Slot 3 empty: the list is slots 0-2; slots 4 and 5 lie behind the gap.
    Clear_Player(pool, 3);
    for (int32_t rating = 0; rating < 27; ++rating)
        Set_Player_Rating(pool, 5, rating, 10.0f);
    PLAYER_RECORD behind;
    Copy_Player_To_Memory(&behind, pool, 5);
    Sort_Draft_Pool(0, POOL_SORT_EVALUATION);
    PLAYER_RECORD empty{};
    Clear_Player(FREE_AGENTS, 99);
    Copy_Player_To_Memory(&empty, FREE_AGENTS, 99);
    EXPECT_EQ(memcmp(&Universe.Teams[pool].Players[3], &empty, sizeof empty), 0) << "the gap stays empty";
    EXPECT_EQ(memcmp(&Universe.Teams[pool].Players[5], &behind, sizeof behind), 0)
        << "a low-rated player behind the gap gets no new ratings";
    for (int32_t slot = 1; slot < 3; ++slot)
        EXPECT_GE(Evaluate_Player_At_Own_Position(pool, slot - 1),
                  Evaluate_Player_At_Own_Position(pool, slot));
}
