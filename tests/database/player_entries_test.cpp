#include <gtest/gtest.h>

#include "database/player_entries.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(PlayerEntries, CountersAndLocationPairs) {
    Build_Test_League();
    Set_Player_Extra_Value(3, 4, 5, -250);
    EXPECT_EQ(Get_Player_Extra_Value(3, 4, 5), -250);
    Set_Player_Extra_Value(3, 4, 2, 70000);
    EXPECT_EQ(Get_Player_Extra_Value(3, 4, 2), 32767) << "held to 16 bits, not wrapped";
    // Index 6 would lie inside the first rating.
    const float health = Universe.Teams[3].Players[4].Ratings[RATING_HEALTH];
    Clear_Debug_Log();
    Set_Player_Extra_Value(3, 4, 6, 1234);
    EXPECT_EQ(Get_Player_Extra_Value(3, 4, 6), 0);
    EXPECT_EQ(Universe.Teams[3].Players[4].Ratings[RATING_HEALTH], health) << "the ratings are untouched";
    EXPECT_EQ(Count_Error_Lines(), 2);

    int32_t team = -1;
    int32_t slot = -1;
    Split_Player_Location({NO_TEAM, NO_PLAYER}, &team, &slot);
    EXPECT_TRUE(team == NO_TEAM && slot == NO_PLAYER);
    EXPECT_EQ(Is_Player_Location_Used({12, 40}), 1);
    EXPECT_EQ(Is_Player_Location_Used({12, 99}), 0) << "an empty slot";
    EXPECT_EQ(Is_Player_Location_Used({34, 0}), 0) << "a franchise slot not in use";
}

TEST(PlayerEntries, ShortNamesFromTwentyFiveCharacters) {
    Build_Test_League();
    char out[PLAYER_NAME_TEXT_SIZE];
    Set_Player_First_Name(5, 2, "Bartholomew");
    Set_Player_Last_Name(5, 2, "Worthingtons");
    Get_Player_Short_Full_Name(5, 2, out);
    EXPECT_STREQ(out, "Bartholomew Worthingtons") << "24 characters stand";
    Set_Player_Last_Name(5, 2, "Worthingtonss");
    Get_Player_Short_Full_Name(5, 2, out);
    EXPECT_STREQ(out, "B. Worthingtonss");
    Get_Player_Initial_Last_Name(5, 99, out);
    EXPECT_STREQ(out, "") << "an empty slot";
}

TEST(PlayerEntries, MovingToTheEndAndErasing) {
    Build_Test_League();
    const int32_t team = 8;
    const int32_t moved = Get_Player_ID(team, 10);
    const int32_t next = Get_Player_ID(team, 11);
    Move_Player_To_Last_Slot(team, 10);
    EXPECT_EQ(Get_Player_ID(team, 99), moved);
    EXPECT_EQ(Get_Player_ID(team, 10), next) << "later players move forward";
    EXPECT_EQ(Get_Player_ID(team, TEST_ROSTER_SIZE - 1), 0) << "the empty slots too";

    const int32_t line = Get_Player_Season_Line(team, 3, 0);
    ASSERT_GE(line, 0);
    Erase_Player(team, 3);
    EXPECT_EQ(Get_Player_ID(team, 3), 0);
    EXPECT_EQ(Is_Season_Line_Blank(line), 1) << "his season lines go with him";

    const int32_t free_agent = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, free_agent, VITAL_PLAYER_ID, 987654);
    Erase_All_Franchise_Players();
    for (int32_t t = 0; t < MAX_FRANCHISES; ++t)
        ASSERT_EQ(Get_First_Empty_Player_Slot(t), 0) << "team " << t;
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, free_agent), 987654) << "the pools keep their players";
}
