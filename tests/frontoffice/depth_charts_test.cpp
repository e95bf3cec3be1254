#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_record.h"
#include "frontoffice/depth_charts.h"
#include "support/test_league.h"

TEST(DepthCharts, SortRosterSectionOrdersOneUnitInItsOwnSlots) {
    Build_Test_League();
    constexpr int32_t team = 3;
    // Scramble the roster, and remember where the offence stands.
    for (int32_t slot = 0; slot + 7 < 53; slot += 3)
        Swap_Players(team, slot, team, slot + 7);
    int32_t offence_ids[PLAYERS_PER_TEAM] = {};
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_Unit(team, slot) == 0)
            offence_ids[slot] = Get_Player_Vital_Stat(team, slot, 0);

    Sort_Roster_Section(team, 1);

    int32_t last_position = -1;
    float last_value = 0.0f;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot)) continue;
        if (offence_ids[slot] != 0) {
            EXPECT_EQ(Get_Player_Vital_Stat(team, slot, 0), offence_ids[slot])
                << "other units keep their slots";
            continue;
        }
        if (Get_Player_Unit(team, slot) != 1) continue;
        const int32_t position = Get_Player_Vital_Stat(team, slot, 1);
        const float value = Evaluate_Player_At_Own_Position(team, slot);
        ASSERT_GE(position, last_position) << "defence ordered by position at slot " << slot;
        if (position == last_position) {
            EXPECT_LE(value, last_value) << "best first within a position";
        }
        last_position = position;
        last_value = value;
    }
}

TEST(DepthCharts, ReturnersFollowTheirPlayersWhenSectionsAreSorted) {
    Build_Test_League();
    constexpr int32_t team = 5;
    // A cornerback, who may return kicks.
    int32_t returner = NO_PLAYER;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM && returner == NO_PLAYER; ++slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_Vital_Stat(team, slot, 1) == 11) returner = slot;
    ASSERT_NE(returner, NO_PLAYER);
    Set_Team_Returner(team, 0, returner);
    const int32_t id = Get_Player_Vital_Stat(team, returner, 0);
    for (int32_t unit = 0; unit < 3; ++unit)
        Sort_Roster_Section(team, unit);
    EXPECT_EQ(Get_Player_Vital_Stat(team, Get_Team_Returner(team, 0), 0), id);
}
