#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/universe.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(RosterSlots, SwapMovesReturnersWithTheirPlayers) {
    Build_Test_League();
    int id2 = Get_Player_ID(0, 2);
    int id7 = Get_Player_ID(0, 7);
    Universe.Teams[0].Returners[0] = 7;
    Universe.Teams[0].Returners[1] = 40;
    Swap_Players(0, 2, 0, 7);
    EXPECT_EQ(Get_Player_ID(0, 2), id7);
    EXPECT_EQ(Get_Player_ID(0, 7), id2);
    EXPECT_EQ(Universe.Teams[0].Returners[0], 2) << "kick returner follows his record";
    EXPECT_EQ(Universe.Teams[0].Returners[1], 40);
    Swap_Players(0, 3, 0, 3);
    EXPECT_EQ(Universe.Teams[0].Returners[0], 2);
}

TEST(RosterSlots, BadSwapAndCopyArgumentsChangeNothing) {
    Build_Test_League();
    Clear_Debug_Log();
    PLAYER_RECORD before = Universe.Teams[0].Players[0];
    Swap_Players(41, 0, 0, 0);
    Swap_Players(-1, 0, 0, 0);
    Swap_Players(0, 100, 0, 0);
    Swap_Players(0, -2, 0, 0);
    Copy_Player(0, 0, 0, 100);
    Copy_Player(41, 0, 0, 1);
    Copy_Player(-1, 0, 0, 1);
    Copy_Player(0, 0, 0, -1);
    EXPECT_EQ(memcmp(&before, &Universe.Teams[0].Players[0], sizeof before), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid Team in Swap_Players(41,0,0,0)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Negative Team in Swap_Players(-1,0,0,0)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Invalid Slot in Swap_Players(0,100,0,0)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Negative Slot in Swap_Players(0,-2,0,0)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Negative destination in Copy_Player()"), 1);
    EXPECT_EQ(Count_Debug_Lines("Negative source in Copy_Player()"), 1);
    EXPECT_EQ(Count_Error_Lines(), 8);
}

TEST(RosterSlots, NoTeamIsANegativeTeamToSwapAndCopy) {
    Build_Test_League();
    Clear_Debug_Log();
    PLAYER_RECORD before = Universe.Teams[0].Players[0];
    Swap_Players(NO_TEAM, 0, 0, 0);
    Copy_Player(NO_TEAM, 0, 0, 0);
    Copy_Player(0, 0, NO_TEAM, 0);
    Copy_Player(0, 0, -NO_TEAM, 1);
    EXPECT_EQ(memcmp(&before, &Universe.Teams[0].Players[0], sizeof before), 0);
    EXPECT_EQ(Count_Debug_Lines("Negative Team in Swap_Players(-128,0,0,0)"), 1);
    EXPECT_EQ(Count_Debug_Lines("Negative destination in Copy_Player()"), 1);
    EXPECT_EQ(Count_Debug_Lines("Negative source in Copy_Player()"), 2);
    EXPECT_EQ(Count_Error_Lines(), 4) << "one message per call, none of the upper-bound ones";
}

TEST(RosterSlots, ClearAndRemoveKeepRostersPacked) {
    Build_Test_League();
    Clear_Player(1, 4);
    EXPECT_FALSE(Is_Player_Slot_Used(1, 4));
    EXPECT_EQ(Count_Player_Season_Lines(1, 4), 0);
    EXPECT_EQ(Universe.Teams[1].Players[4].Latest_Season_Line, -1);

    int next = Get_Player_ID(2, 1);
    Remove_Player(2, 0);
    EXPECT_EQ(Get_Player_ID(2, 0), next);
    EXPECT_EQ(Get_First_Empty_Player_Slot(2), TEST_ROSTER_SIZE - 1);
    EXPECT_EQ(Find_Empty_Player_Slot(2), TEST_ROSTER_SIZE - 1);

    Clear_Debug_Log();
    Clear_Player(NO_TEAM, 0);
    Clear_Player(0, NO_PLAYER);
    Clear_Player(41, 0);
    Clear_Player(0, 100);
    EXPECT_EQ(Count_Debug_Lines("'NO_TEAM' passed to Clear_Player(128,0)"), 1);
    EXPECT_EQ(Count_Debug_Lines("'NO_PLAYER' passed to Clear_Player(0,255)"), 1);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Clear_Player(41,0)"), 1);
    EXPECT_EQ(Count_Debug_Lines("nPlayer out of bounds in Clear_Player(0,100)"), 1);
    EXPECT_EQ(Find_Empty_Player_Slot(41), -1);
    EXPECT_EQ(Get_First_Empty_Player_Slot(33), 0);
}

TEST(RosterSlots, DeleteFreesTheSeasonLines) {
    Build_Test_League();
    int line = Get_Player_Season_Line(3, 0, 0);
    ASSERT_NE(line, -1);
    Delete_Player(3, 0);
    EXPECT_EQ(Get_Season_Line_Year(line), 0);
    EXPECT_EQ(Find_Free_Season_Line(), line) << "the freed row is the first free one again";
}

TEST(RosterSlots, CompactionKeepsOrder) {
    Build_Test_League();
    int kept[4] = {Get_Player_ID(4, 0), Get_Player_ID(4, 2), Get_Player_ID(4, 3), Get_Player_ID(4, 7)};
    for (int slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (slot != 0 && slot != 2 && slot != 3 && slot != 7) Clear_Player(4, slot);
    Compact_Team_Roster(4);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(Get_Player_ID(4, slot), kept[slot]) << slot;
    for (int slot = 4; slot < PLAYERS_PER_TEAM; ++slot)
        EXPECT_FALSE(Is_Player_Slot_Used(4, slot)) << slot;
}

TEST(RosterSlots, PositionQuotaCountsInSlotOrder) {
    Build_Test_League();
    int third = Test_League_Slot(POSITION_RB, 0);
    Set_Player_Vital_Stat(5, third, VITAL_POSITION, POSITION_QB);
    EXPECT_TRUE(Is_Player_Within_Position_Quota(5, 0));
    EXPECT_TRUE(Is_Player_Within_Position_Quota(5, 1));
    EXPECT_FALSE(Is_Player_Within_Position_Quota(5, third)) << "third quarterback";
    EXPECT_FALSE(Is_Player_Within_Position_Quota(36, 0));
    EXPECT_TRUE(Is_Player_Within_Unit_Quota(5, 10));
    EXPECT_FALSE(Is_Player_Within_Unit_Quota(5, 11));
}

TEST(RosterSlots, RescaleReachesTargetWithoutTouchingSpeed) {
    Build_Test_League();
    float speed = Get_Player_Rating(6, 0, RATING_SPEED);
    PLAYER_RECORD before = Universe.Teams[6].Players[0];
    Rescale_Player_Ratings(6, 0, 96.0f);
    EXPECT_EQ(memcmp(&before, &Universe.Teams[6].Players[0], sizeof before), 0) << "target above 95";
    Rescale_Player_Ratings(6, 0, 80.0f);
    EXPECT_NEAR(Evaluate_Player_At_Own_Position(6, 0), 80.0f, 0.5f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(6, 0, RATING_SPEED), speed);
}

TEST(RosterSlots, FillMissingRatingsRepairsFourRatings) {
    Build_Test_League();
    PLAYER_RECORD& player = Universe.Teams[7].Players[9];
    player.Ratings[RATING_RUN_BLOCKING] = std::numeric_limits<float>::quiet_NaN();
    player.Ratings[RATING_POWER] = 3.0f;
    player.Ratings[RATING_ACCURACY] = 3.0f;
    Fill_Missing_Player_Ratings();
    EXPECT_FLOAT_EQ(player.Ratings[RATING_RUN_BLOCKING], 78.0f);
    EXPECT_FLOAT_EQ(player.Ratings[RATING_POWER], 20.0f);
    EXPECT_FLOAT_EQ(player.Ratings[RATING_ACCURACY], 3.0f);
}

// A kept evaluation serves only while the ratings, position and role it read
// are unchanged; a rating the reads repair is kept as repaired.
TEST(RosterSlots, KeptEvaluationFollowsEveryFieldItReads) {
    Build_Test_League();
    constexpr int32_t team = 3;
    constexpr int32_t slot = 0;
    Forget_Player_Evaluations();
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    const auto Fresh = [&] { return Evaluate_Player_At_Own_Position(team, slot); };
    const float first = Ensure_Player_Minimum_Rating(team, slot);
    EXPECT_EQ(first, Fresh());
    EXPECT_EQ(Ensure_Player_Minimum_Rating(team, slot), first);

    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        player.Ratings[rating] += 7.0f;
    EXPECT_EQ(Ensure_Player_Minimum_Rating(team, slot), Fresh()) << "ratings";
    EXPECT_NE(Ensure_Player_Minimum_Rating(team, slot), first);
    player.Vital_Stats[VITAL_POSITION] = (player.Vital_Stats[VITAL_POSITION] + 5) % NUMBER_OF_POSITIONS;
    EXPECT_EQ(Ensure_Player_Minimum_Rating(team, slot), Fresh()) << "position";
    player.Expanded_Position = EXPANDED_SPECIAL_TEAMS_PLAYER;
    EXPECT_EQ(Ensure_Player_Minimum_Rating(team, slot), Fresh()) << "special teams role";
    player.Expanded_Position = 0;

    // Players swapped next door keep their own evaluations.
    const float other = Ensure_Player_Minimum_Rating(team, slot + 1);
    const float own = Ensure_Player_Minimum_Rating(team, slot);
    ASSERT_NE(own, other);
    Swap_Players(team, slot, team, slot + 1);
    EXPECT_EQ(Ensure_Player_Minimum_Rating(team, slot), other);
    EXPECT_EQ(Ensure_Player_Minimum_Rating(team, slot + 1), own);
    Swap_Players(team, slot, team, slot + 1);

    // Missing ratings: those the evaluation reads are repaired by its reads
    // and read as repaired after.
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        player.Ratings[rating] = std::numeric_limits<float>::quiet_NaN();
    const float repaired = Ensure_Player_Minimum_Rating(team, slot);
    EXPECT_EQ(Ensure_Player_Minimum_Rating(team, slot), repaired);
    EXPECT_EQ(Fresh(), repaired);
}
