#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "database/league_structure.h"
#include "database/player_statistics.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "engine/pass_outcome_weights.h"
#include "engine/unit_multipliers.h"
#include "play_resolution_test_support.h"

namespace {

void Rate_Defense(GAME_RECORD* game, float value) {
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        Set_All_Ratings(1, game->On_Field[1][i], value);
}

void Rate_Offense(GAME_RECORD* game, float value) {
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        Set_All_Ratings(0, game->On_Field[0][i], value);
}

// Inputs of an ordinary throw by a 70-rated offence against a 70-rated defence.
PASS_OUTCOME_INPUTS Average_Throw() {
    PASS_OUTCOME_INPUTS in{};
    in.coverage = 1.0f;
    in.rush = 1.0f;
    in.weather = 1.05f;
    in.pass_share = 1.0f;
    in.completion_norm = 0.62f;
    in.interception_norm = 0.025f;
    in.yards_per_completion_norm = 11.2f;
    in.league_completion_rate = 0.625f;
    in.league_yards_per_completion = 11.2f;
    in.week = 1;
    in.down = 0;
    in.yards_to_goal = 60;
    in.catch_depth = 8.0f;
    in.end_depth = 12.0f;
    in.passer_is_quarterback = true;
    in.accuracy = in.control = in.distance = in.passer_red_zone = in.mobility = 70.0f;
    in.speed = in.power = in.receiver_red_zone = in.quickness = in.receiving = in.hands = 70.0f;
    in.coverage_unit = in.interception_unit = in.offensive_skill = in.sack_unit = in.pass_blocking = 1.0f;
    in.replay_factor = 1.0f;
    return in;
}

} // namespace

TEST(UnitMultipliers, SoftClampPullsHalfwayBackAndCapsAtTheLimit) {
    EXPECT_NEAR(Soften_Multiplier(1.6122449f, 2.0f), (std::sqrt(2.0f) + 1.6122449f) / 2.0f, 1e-6);
    EXPECT_FLOAT_EQ(Soften_Multiplier(1.0f, 1.66f), 1.0f) << "values between the roots stay";
    EXPECT_FLOAT_EQ(Soften_Multiplier(9.0f, 1.66f), 1.66f);
    EXPECT_FLOAT_EQ(Soften_Multiplier(0.0f, 3.0f), 0.33333334f);
    EXPECT_FLOAT_EQ(Soften_Multiplier(0.0f, 1.66f), 0.60240966f);
    EXPECT_NEAR(Soften_Multiplier(0.7f, 1.66f), (std::sqrt(1.0 / 1.66) + 0.7) / 2.0, 1e-6);
}

TEST(UnitMultipliers, ElevenDefendersRatedSeventyAreNeutral) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    Rate_Defense(game, 70.0f);
    EXPECT_NEAR(Get_Pass_Rush_Unit_Multiplier(game), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Coverage_Unit_Multiplier(game), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Ball_Hawk_Multiplier(game), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Tackling_Multiplier(game), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Run_Defense_Multiplier(game), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Fumble_Forcing_Multiplier(game), 1.0f, 1e-5);

    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        Set_Player_Rating(1, game->On_Field[1][i], RATING_PASS_RUSH, 80.0f);
    EXPECT_NEAR(Get_Pass_Rush_Unit_Multiplier(game), 1.5132f, 1e-4) << "1.6122 before the soft clamp";

    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        Set_Player_Rating(1, game->On_Field[1][i], RATING_TURNOVERS, 50.0f);
    EXPECT_FLOAT_EQ(Get_Fumble_Forcing_Multiplier(game), 0.33333334f);
}

TEST(UnitMultipliers, EmptyDefensiveSlotsCountAsTwenty) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    Rate_Defense(game, 20.0f);
    const float rated_twenty = Get_Tackling_Multiplier(game);
    std::memset(game->On_Field[1], 255, ON_FIELD_PLAYERS);
    EXPECT_FLOAT_EQ(Get_Tackling_Multiplier(game), rated_twenty);
}

TEST(UnitMultipliers, LineSumsFollowTheBlockingFormulas) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    Rate_Offense(game, 70.0f);
    EXPECT_NEAR(Get_Pass_Blocking_Multiplier(game), (70 + 70 + 70 + 66 + 66 + 35) / 375.0f, 1e-5);
    EXPECT_NEAR(Get_Run_Blocking_Multiplier(game), (3 * 67 + 70 + 70 + 70) / 430.0f, 1e-5);
    EXPECT_NEAR(Get_Line_Discipline_Multiplier(game), 1.0f, 1e-5);
    // Receiving: nobody above 60 adds nothing beyond the base.
    Rate_Offense(game, 60.0f);
    EXPECT_NEAR(Get_Receiving_Multiplier(game), 0.96f, 1e-6);
}

TEST(UnitMultipliers, RatingThatIsNotANumberIsRepairedToItsBaseline) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    Rate_Defense(game, 70.0f);
    const int32_t slot = game->On_Field[1][0];
    Set_Player_Rating(1, slot, RATING_TACKLING, std::nanf(""));
    const float m = Get_Tackling_Multiplier(game);
    EXPECT_TRUE(std::isfinite(m));
    EXPECT_TRUE(std::isfinite(Get_Player_Rating(1, slot, RATING_TACKLING)));
}

TEST(UnitMultipliers, DifficultyMovesSkillOnlyOutsideMultiSeasonRuns) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    Rate_Offense(game, 70.0f);
    Set_User_Preference(DIFFICULTY_LEVEL, 2);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    const float computer = Get_Offensive_Skill_Multiplier(game);
    Set_Team_Stat(0, 2, 1);
    const float human = Get_Offensive_Skill_Multiplier(game);
    EXPECT_NEAR(computer - human, 0.1f, 1e-5) << "a human offence loses 0.05 per difficulty level";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    EXPECT_FLOAT_EQ(Get_Offensive_Skill_Multiplier(game), computer);
    // The visitor (side 0) has the ball: the home edge counts against it.
    game->Possession_Team = 1;
    Set_Team_Stat(0, 2, 0);
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i) {
        game->On_Field[1][i] = static_cast<uint8_t>(Test_Offense_Slot(i));
        game->On_Field[0][i] = static_cast<uint8_t>(Test_Defense_Slot(i));
        Set_All_Ratings(1, Test_Offense_Slot(i), 70.0f);
    }
    EXPECT_NEAR(Get_Offensive_Skill_Multiplier(game) - computer, 0.1f, 1e-5);
}

TEST(UnitMultipliers, ReplayPullIgnoresEarlyWeeksAndEmptySeasons) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    Rate_Defense(game, 75.0f);
    Universe.Header.Replay_Mode = 1;
    Set_User_Preference(CURRENT_WEEK, 2);
    EXPECT_FLOAT_EQ(Get_Interception_Multiplier(game), Get_Ball_Hawk_Multiplier(game));
    EXPECT_FLOAT_EQ(Get_Sack_Multiplier(game), Get_Pass_Rush_Unit_Multiplier(game));
    Set_User_Preference(CURRENT_WEEK, 6);
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i)
        for (int32_t stat = 0; stat < 20; ++stat) {
            Universe.Teams[1].Players[game->On_Field[1][i]].Season_Stats[0][stat] = 0;
        }
    EXPECT_FLOAT_EQ(Get_Replay_Rate_Ratio(game, 7), 1.0f) << "no games this season";
}

TEST(UnitMultipliers, FreshLeagueRatiosFallBackToDefaults) {
    Crafted_Snap(0, 10, 60);
    std::memset(Universe_Bytes() + 1856, 0, 8);
    EXPECT_EQ(Get_League_Yards_Per_Rush(), 420);
    EXPECT_EQ(Get_League_Completion_Rate(), 625);
    EXPECT_EQ(Get_League_Yards_Per_Completion(), 1120);
    const int16_t rate = 590;
    std::memcpy(Universe_Bytes() + 1858, &rate, sizeof rate);
    EXPECT_EQ(Get_League_Completion_Rate(), 590);
}

TEST(UnitMultipliers, ReceiverWithManyYardsIsChosenLessOften) {
    Build_Test_League();
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    const int32_t yards = Get_Player_Stat(0, wr, 0, 11);
    const int32_t limit = 50 * (Get_Team_Games_Played(0) + 1);
    if (yards > limit)
        EXPECT_LT(Spread_Receiver_Weight(0, wr, 1000), 1000);
    else
        EXPECT_EQ(Spread_Receiver_Weight(0, wr, 1000), 1000);
}

TEST(PassOutcome, ConversionAndFourthDownMoveTheInterceptionWeight) {
    PASS_OUTCOME_INPUTS in = Average_Throw();
    PASS_OUTCOME_WEIGHTS normal = Compute_Pass_Outcome_Weights(in);
    EXPECT_GT(normal.complete, normal.intercepted);
    EXPECT_GT(normal.intercepted, 0.0f);

    in.down = 11;
    PASS_OUTCOME_WEIGHTS conversion = Compute_Pass_Outcome_Weights(in);
    EXPECT_FLOAT_EQ(conversion.intercepted, conversion.incomplete / 100.0f)
        << "a try keeps only the floor of the interception weight";

    in = Average_Throw();
    in.down = 3;
    in.catch_depth = 15.0f;
    in.end_depth = 18.0f;
    PASS_OUTCOME_WEIGHTS third = Compute_Pass_Outcome_Weights(Average_Throw());
    PASS_OUTCOME_WEIGHTS fourth = Compute_Pass_Outcome_Weights(in);
    in.down = 2;
    PASS_OUTCOME_WEIGHTS deep_third = Compute_Pass_Outcome_Weights(in);
    EXPECT_GT(fourth.defended, deep_third.defended) << "the interception weight joins the defended weight";
    EXPECT_LE(fourth.intercepted, deep_third.intercepted);
    (void)third;
}

TEST(PassOutcome, FreshLeagueFromWeekThreeGivesFiniteWeights) {
    PASS_OUTCOME_INPUTS in = Average_Throw();
    in.week = 5;
    in.league_completion_rate = 0.0f;
    in.league_yards_per_completion = 0.0f;
    in.yards_per_completion_norm = 0.0f;
    PASS_OUTCOME_WEIGHTS w = Compute_Pass_Outcome_Weights(in);
    for (float x : {w.incomplete, w.complete, w.intercepted, w.sacked, w.defended}) {
        EXPECT_TRUE(std::isfinite(x));
        EXPECT_GE(x, 0.0f);
    }
    // A weak pass rush never gives a negative sack weight.
    in = Average_Throw();
    in.rush = 0.2f;
    EXPECT_EQ(Compute_Pass_Outcome_Weights(in).sacked, 0.0f);
}

TEST(PassOutcome, DrawWalksTheRunningSums) {
    PASS_OUTCOME_WEIGHTS zero{};
    EXPECT_EQ(Pick_Pass_Outcome(zero, 0.0), 0);
    EXPECT_EQ(Pick_Pass_Outcome(zero, 0.5), 2);
    EXPECT_EQ(Pick_Pass_Outcome(zero, 1.0), 4) << "uniform over 0..4 when every weight is zero";
    PASS_OUTCOME_WEIGHTS w{1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    EXPECT_EQ(Pick_Pass_Outcome(w, 0.0), 0);
    EXPECT_EQ(Pick_Pass_Outcome(w, 0.2), 0) << "v equal to a running sum takes that outcome";
    EXPECT_EQ(Pick_Pass_Outcome(w, 0.21), 1);
    EXPECT_EQ(Pick_Pass_Outcome(w, 0.7), 3);
    EXPECT_EQ(Pick_Pass_Outcome(w, 1.0), 4);
}

TEST(PassOutcome, ChoosePassOutcomeOnAFreshLeagueIsReproducible) {
    GAME_RECORD* game = Crafted_Snap(0, 10, 60);
    std::memset(Universe_Bytes() + 1856, 0, 8);
    Set_User_Preference(CURRENT_WEEK, 6);
    const int32_t receiver = game->On_Field[0][3];
    int32_t counts[6] = {};
    Seed_Random_Numbers(99);
    int32_t first[50];
    for (int32_t i = 0; i < 50; ++i) {
        first[i] = Choose_Pass_Outcome(game, receiver, 1, 8.0f, 12.0f);
        ASSERT_GE(first[i], 0);
        ASSERT_LE(first[i], 5);
        ++counts[first[i]];
    }
    EXPECT_GT(counts[1], 0) << "some passes are completed";
    Seed_Random_Numbers(99);
    for (int32_t i = 0; i < 50; ++i)
        EXPECT_EQ(Choose_Pass_Outcome(game, receiver, 1, 8.0f, 12.0f), first[i]);
}
