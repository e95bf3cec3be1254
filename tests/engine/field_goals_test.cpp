#include <gtest/gtest.h>

#include "database/settings.h"
#include "engine/field_goals.h"
#include "support/test_league.h"

TEST(FieldGoals, DistanceDependsOnWhereThePostsStood) {
    EXPECT_EQ(Get_Field_Goal_Distance(33, 1974), 50);
    EXPECT_EQ(Get_Field_Goal_Distance(33, 1973), 40);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(50), 16);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(40), 14);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(39), 12);
    EXPECT_EQ(Get_Field_Goal_Attempt_Stat(29), 10);
}

TEST(FieldGoals, ChanceFallsWithDistanceAndPastTheRange) {
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(15.0, 70.0, 53), 0.994, 1e-9);
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(40.0, 70.0, 53), 0.88, 1e-9);
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(53.0, 70.0, 53), 0.7, 1e-9);
    EXPECT_NEAR(Get_Field_Goal_Base_Chance(55.0, 70.0, 53), 0.5, 1e-9) << "0.7 less a tenth per yard beyond";
    const double at_range_40 = Get_Field_Goal_Base_Chance(40.0, 70.0, 40);
    EXPECT_NEAR(at_range_40, 0.88, 1e-9) << "a range of exactly 40 must not divide by zero";
}

TEST(FieldGoals, ConversionSpotFollowsTheSetting) {
    Build_Test_League();
    const int32_t spots[] = {2, 15, 20, 25, 30, 2};
    for (int32_t code = 0; code < 6; ++code) {
        Set_User_Preference(EXTRA_POINT_SPOT_CODE, code);
        EXPECT_EQ(Get_Conversion_Spot(), spots[code]) << "code " << code;
    }
    Set_User_Preference(EXTRA_POINT_SPOT_CODE, 0);
}

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "engine/playbook_records.h"
#include "special_teams_test_game.h"

namespace {

// Resolves one field goal of a fresh crafted game from `to_goal`.
GAME_RECORD* Kick_Field_Goal(int32_t to_goal, uint32_t seed, bool rebuild) {
    GAME_RECORD* game = Special_Teams_Game(3, to_goal, 600, rebuild);
    game->Current_Play.Offensive_Play = HARD_CODED_FIELD_GOAL_PLAY;
    Seed_Random_Numbers(seed);
    Resolve_Field_Goal(game);
    return game;
}

} // namespace

TEST(FieldGoals, AttemptLengthAndScoreFollowTheSeason) {
    GAME_RECORD* game = Kick_Field_Goal(33, 1, true);
    EXPECT_EQ(game->Current_Play.Yard1, 50) << "from 1974 on the posts stand 10 yards deep";
    game = Special_Teams_Game(3, 33, 600, false);
    game->Season_Year = 1973;
    Seed_Random_Numbers(1);
    Resolve_Field_Goal(game);
    EXPECT_EQ(game->Current_Play.Yard1, 40);
    int made = 0;
    for (int n = 0; n < 100; ++n) {
        game = Kick_Field_Goal(5, 100 + n, false);
        if (Get_Current_Play_Result(game) == RESULT_FIELD_GOAL_GOOD) {
            ++made;
            EXPECT_EQ(game->Score[0], 3);
            EXPECT_EQ(game->Possession_Team, game->Team[0])
                << "the down update, not the kick, hands the ball over";
        }
        EXPECT_TRUE(Is_Clock_Stopped(game));
        EXPECT_GE(game->Snap_Seconds, 5);
        EXPECT_LE(game->Snap_Seconds, 7);
    }
    EXPECT_GT(made, 90) << "a 22-yard kick is nearly certain";
}

TEST(FieldGoals, KickBeyondSeventyYardsNeverScores) {
    for (int n = 0; n < 200; ++n) {
        const GAME_RECORD* game = Kick_Field_Goal(60, 500 + n, n == 0);
        ASSERT_EQ(Get_Current_Play_Result(game), RESULT_FIELD_GOAL_MISSED);
        EXPECT_EQ(game->Score[0], 0);
    }
}

TEST(FieldGoals, MissPlacesTheBallByEra) {
    Special_Teams_Game(0, 50);
    Set_User_Preference(MISSED_FIELD_GOAL_SPOT, 0);
    GAME_RECORD* game = Kick_Field_Goal(45, 9, false);
    ASSERT_EQ(Get_Current_Play_Result(game), RESULT_FIELD_GOAL_MISSED)
        << "62 yards is beyond a 70-rated range";
    EXPECT_EQ(game->Possession_Team, game->Team[1]);
    EXPECT_EQ(game->Yards_To_Goal, 48) << "the ball goes to the spot of the kick";
    Set_User_Preference(MISSED_FIELD_GOAL_SPOT, 1);
    game = Kick_Field_Goal(45, 9, false);
    EXPECT_EQ(game->Yards_To_Goal, 55) << "the ball goes to the line of scrimmage";
    Set_User_Preference(MISSED_FIELD_GOAL_SPOT, 2);
    game = Kick_Field_Goal(45, 9, false);
    EXPECT_EQ(game->Yards_To_Goal, 80) << "the ball goes to the 20";
    Set_User_Preference(MISSED_FIELD_GOAL_SPOT, 0);
    bool missed_short = false;
    for (int n = 0; n < 3000 && !missed_short; ++n) {
        game = Kick_Field_Goal(10, 20 + n, false);
        if (Get_Current_Play_Result(game) != RESULT_FIELD_GOAL_MISSED) continue;
        missed_short = true;
        EXPECT_EQ(game->Yards_To_Goal, 80) << "a short miss still gives the ball at the 20";
    }
    EXPECT_TRUE(missed_short);
}

TEST(FieldGoals, ConversionKickChanceAndScore) {
    GAME_RECORD* game = Special_Teams_Game(CONVERSION_ATTEMPT, 2);
    const int32_t kicker = game->On_Field[0][1];
    Set_Player_Rating(1, kicker, RATING_FG_ACCURACY, 70.0f);
    Set_User_Preference(EXTRA_POINT_SPOT_CODE, 1);
    Current_Game = nullptr;
    EXPECT_NEAR(Get_Conversion_Kick_Chance(1, kicker), 0.96, 1e-9) << "70-rated kicker from the 15 indoors";
    Set_Player_Rating(1, kicker, RATING_FG_ACCURACY, 99.0f);
    EXPECT_NEAR(Get_Conversion_Kick_Chance(1, kicker), 1.0 - (70.0 / 95.0) * 0.04, 1e-9)
        << "accuracy counts to 95";
    Set_User_Preference(EXTRA_POINT_SPOT_CODE, 0);
    int good = 0;
    for (int n = 0; n < 50; ++n) {
        game = Special_Teams_Game(CONVERSION_ATTEMPT, 2, 600, false);
        game->Current_Play.Offensive_Play = HARD_CODED_FIELD_GOAL_PLAY;
        Seed_Random_Numbers(60 + n);
        Resolve_Conversion_Kick(game);
        const int32_t result = Get_Current_Play_Result(game);
        ASSERT_TRUE(result == RESULT_EXTRA_POINT_GOOD || result == RESULT_EXTRA_POINT_MISSED);
        EXPECT_EQ(game->Score[0], result == RESULT_EXTRA_POINT_GOOD ? 1 : 0);
        EXPECT_EQ(game->Yards_To_Goal, 2);
        good += result == RESULT_EXTRA_POINT_GOOD;
    }
    EXPECT_GT(good, 45);
}
