#include <gtest/gtest.h>

#include <cstring>

#include "database/player_entries.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(PlayerEntries, SixCountersAndNothingBeyond) {
    Build_Test_League();
    for (int32_t i = 0; i < NUMBER_OF_PLAYER_EXTRA_VALUES; ++i)
        Set_Player_Extra_Value(3, 4, i, 100 * i - 250);
    for (int32_t i = 0; i < NUMBER_OF_PLAYER_EXTRA_VALUES; ++i)
        EXPECT_EQ(Get_Player_Extra_Value(3, 4, i), 100 * i - 250) << "counter " << i;

    // Index 6 would lie inside the first rating.
    const float health = Universe.Teams[3].Players[4].Ratings[RATING_HEALTH];
    Clear_Debug_Log();
    Set_Player_Extra_Value(3, 4, 6, 1234);
    EXPECT_EQ(Get_Player_Extra_Value(3, 4, 6), 0);
    EXPECT_EQ(Get_Player_Extra_Value(3, 4, -1), 0);
    EXPECT_EQ(Get_Player_Extra_Value(41, 0, 0), 0);
    EXPECT_EQ(Universe.Teams[3].Players[4].Ratings[RATING_HEALTH], health) << "the ratings are untouched";
    EXPECT_EQ(Count_Debug_Lines("Invalid argument in Set_Player_Extra_Value(3,4,6,1234)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Invalid argument in Get_Player_Extra_Value("), 3);

    Set_Player_Extra_Value(3, 4, 2, 70000);
    EXPECT_EQ(Get_Player_Extra_Value(3, 4, 2), 32767) << "held to 16 bits, not wrapped";
    Set_Player_Extra_Value(3, 4, 2, -70000);
    EXPECT_EQ(Get_Player_Extra_Value(3, 4, 2), -32768);
}

TEST(PlayerEntries, LocationPairs) {
    Build_Test_League();
    int32_t team = -1;
    int32_t slot = -1;
    Split_Player_Location({12, 40}, &team, &slot);
    EXPECT_EQ(team, 12);
    EXPECT_EQ(slot, 40);
    Split_Player_Location({NO_TEAM, NO_PLAYER}, &team, &slot);
    EXPECT_EQ(team, NO_TEAM);
    EXPECT_EQ(slot, NO_PLAYER);
    EXPECT_EQ(Is_Player_Location_Used({12, 40}), 1);
    EXPECT_EQ(Is_Player_Location_Used({12, 99}), 0) << "an empty slot";
    EXPECT_EQ(Is_Player_Location_Used({34, 0}), 0) << "a franchise slot not in use";
    EXPECT_EQ(Is_Player_Location_Used({NO_TEAM, NO_PLAYER}), 0);
}

TEST(PlayerEntries, ShortNames) {
    Build_Test_League();
    char out[PLAYER_NAME_TEXT_SIZE];
    Set_Player_First_Name(5, 2, "Joe");
    Set_Player_Last_Name(5, 2, "Montgomery");
    Get_Player_Initial_Last_Name(5, 2, out);
    EXPECT_STREQ(out, "J. Montgomery");
    Get_Player_Short_Full_Name(5, 2, out);
    EXPECT_STREQ(out, "Joe Montgomery");

    // 24 characters stand; 25 take the initial form.
    Set_Player_First_Name(5, 2, "Bartholomew");
    Set_Player_Last_Name(5, 2, "Worthington");
    Get_Player_Short_Full_Name(5, 2, out);
    EXPECT_STREQ(out, "Bartholomew Worthington") << "23 characters";
    Set_Player_Last_Name(5, 2, "Worthingtons");
    Get_Player_Short_Full_Name(5, 2, out);
    EXPECT_STREQ(out, "Bartholomew Worthingtons");
    Set_Player_Last_Name(5, 2, "Worthingtonss");
    Get_Player_Short_Full_Name(5, 2, out);
    EXPECT_STREQ(out, "B. Worthingtonss");

    Get_Player_Initial_Last_Name(5, 99, out);
    EXPECT_STREQ(out, "") << "an empty slot";
    Clear_Debug_Log();
    Get_Player_Short_Full_Name(NO_TEAM, 0, out);
    EXPECT_STREQ(out, "") << "no team, and nothing reported";
    EXPECT_EQ(Count_Error_Lines(), 0);
}

TEST(PlayerEntries, MovingToTheEndAndErasing) {
    Build_Test_League();
    const int32_t team = 8;
    int32_t ids[PLAYERS_PER_TEAM];
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        ids[slot] = Get_Player_ID(team, slot);
    Move_Player_To_Last_Slot(team, 10);
    EXPECT_EQ(Get_Player_ID(team, 99), ids[10]);
    for (int32_t slot = 10; slot < TEST_ROSTER_SIZE - 1; ++slot)
        ASSERT_EQ(Get_Player_ID(team, slot), ids[slot + 1]) << "later players move forward, slot " << slot;
    EXPECT_EQ(Get_Player_ID(team, TEST_ROSTER_SIZE - 1), 0) << "the empty slots move forward too";
    EXPECT_EQ(Get_Player_ID(team, 9), ids[9]);

    const int32_t slot = 3;
    ASSERT_GT(Count_Player_Season_Lines(team, slot), 0);
    const int32_t line = Get_Player_Season_Line(team, slot, 0);
    Erase_Player(team, slot);
    EXPECT_EQ(Get_Player_ID(team, slot), 0);
    EXPECT_EQ(Is_Season_Line_Blank(line), 1) << "his season lines go with him";
    EXPECT_EQ(Get_Player_ID(team, slot + 1), ids[slot + 1]) << "nobody moves";

    const int32_t free_agents = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, free_agents, VITAL_PLAYER_ID, 987654);
    Erase_All_Franchise_Players();
    for (int32_t t = 0; t < MAX_FRANCHISES; ++t)
        ASSERT_EQ(Get_First_Empty_Player_Slot(t), 0) << "team " << t;
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, free_agents), 987654) << "the pools keep their players";
}
