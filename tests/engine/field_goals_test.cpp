#include <gtest/gtest.h>

#include <algorithm>
#include <array>

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
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/season_lines.h"
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

namespace {

constexpr int32_t LONGEST_FIELD_GOAL = 18;

// A player's longest field goal in his current season line (-1 without one),
// this season and his career.
std::array<int32_t, 3> Longest_Field_Goal(int32_t team, int32_t slot) {
    const int32_t line = Get_Player_Current_Season_Line(team, slot);
    return {line >= 0 ? Get_Season_Line_Stat(line, LONGEST_FIELD_GOAL) : -1,
            Get_Player_Stat(team, slot, SEASON_THIS, LONGEST_FIELD_GOAL),
            Get_Player_Stat(team, slot, SEASON_CAREER, LONGEST_FIELD_GOAL)};
}

// Kicks from the 5 with `kicker` (a roster slot of team 1) in the week the
// calendar stands in until a kick is good; its length, 0 when none was.
int32_t Make_Field_Goal(int32_t kicker) {
    for (uint32_t seed = 1; seed < 100; ++seed) {
        GAME_RECORD* game = Special_Teams_Game(3, 5, 600, false);
        game->On_Field[0][1] = static_cast<uint8_t>(kicker);
        game->Current_Play.Offensive_Play = HARD_CODED_FIELD_GOAL_PLAY;
        Seed_Random_Numbers(seed);
        Resolve_Field_Goal(game);
        if (Get_Current_Play_Result(game) == RESULT_FIELD_GOAL_GOOD) return game->Current_Play.Yard1;
    }
    return 0;
}

} // namespace

// The longest field goal is a kicker's figure, kept in the weeks whose
// statistics count: another man who kicks one keeps his own statistic 18
// (his punt-return yards), and a playoff kick moves no season figure.
TEST(FieldGoals, OnlyAKickerKeepsHisLongestFieldGoalAndOnlyInTheRegularSeason) {
    Special_Teams_Game(3, 5);
    const int32_t cornerback = Test_League_Slot(POSITION_CB, 0);
    const int32_t kicker = Test_League_Slot(POSITION_K, 0);
    const auto cornerback_before = Longest_Field_Goal(1, cornerback);
    const auto kicker_before = Longest_Field_Goal(1, kicker);
    ASSERT_LT(kicker_before[1], 22) << "this season's longest is shorter than a kick from the 5";

    EXPECT_EQ(Make_Field_Goal(cornerback), 22);
    EXPECT_EQ(Longest_Field_Goal(1, cornerback), cornerback_before) << "a cornerback's kick";

    Set_User_Preference(CURRENT_WEEK, Universe.Season_Length);
    EXPECT_EQ(Make_Field_Goal(kicker), 22);
    EXPECT_EQ(Longest_Field_Goal(1, kicker), kicker_before) << "a playoff kick";

    Set_User_Preference(CURRENT_WEEK, 3);
    EXPECT_EQ(Make_Field_Goal(kicker), 22);
    const auto kicker_after = Longest_Field_Goal(1, kicker);
    if (kicker_before[0] >= 0) {
        EXPECT_EQ(kicker_after[0], std::max(kicker_before[0], 22)) << "his season line";
    }
    EXPECT_EQ(kicker_after[1], 22) << "this season";
    EXPECT_EQ(kicker_after[2], std::max(kicker_before[2], 22)) << "his career";
}
