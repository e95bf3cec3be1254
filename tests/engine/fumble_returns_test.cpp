#include <gtest/gtest.h>

#include "database/random_numbers.h"
#include "engine/game_record.h"
#include "engine/play_resolution_support.h"
#include "play_resolution_test_support.h"

TEST(FumbleReturns, ReturnToTheGoalLineIsTheRecoverersTouchdown) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60);
    const int32_t recoverer = Test_Defense_Slot(4);
    // After the hand-over the defence has 100 - 60 = 40 yards to go.
    EXPECT_TRUE(Hand_Over_Recovered_Fumble(game, 1, recoverer, 55));
    EXPECT_EQ(game->Possession_Team, 1) << "the defence has the ball";
    EXPECT_NE(game->Down_Word & (1u << 12), 0u) << "the snap changed possession";
    EXPECT_EQ(game->Snap_Yards, game->Yards_To_Goal) << "the return stops at the goal line";
    EXPECT_EQ(Get_Current_Play_Result(game), RESULT_FUMBLE_TOUCHDOWN);
    EXPECT_TRUE(Is_Clock_Stopped(game));
}

TEST(FumbleReturns, ShortReturnKeepsTheResultAndItsYards) {
    GAME_RECORD* game = Crafted_Snap(1, 10, 60);
    Set_Current_Play_Result(game, RESULT_RUN_FUMBLE);
    EXPECT_FALSE(Hand_Over_Recovered_Fumble(game, 1, Test_Defense_Slot(4), 7));
    EXPECT_EQ(game->Possession_Team, 1);
    EXPECT_EQ(game->Snap_Yards, 7);
    EXPECT_EQ(Get_Current_Play_Result(game), RESULT_RUN_FUMBLE);
    EXPECT_FALSE(Hand_Over_Recovered_Fumble(game, 0, Test_Offense_Slot(1), -500))
        << "a loss beyond the field is kept within a byte";
    EXPECT_EQ(game->Snap_Yards, -120);
}

TEST(FumbleReturns, ReturnYardsStayWithinTheField) {
    Crafted_Snap(1, 10, 60);
    Seed_Random_Numbers(99);
    for (int i = 0; i < 200; ++i) {
        const int32_t yards = Draw_Fumble_Return_Yards(1, Test_Defense_Slot(i % 11));
        ASSERT_GE(yards, 0);
        ASSERT_LE(yards, 110);
    }
}
