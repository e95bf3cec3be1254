#include <gtest/gtest.h>

#include "engine/penalties.h"

TEST(Penalties, HalfTheDistanceLimitsGainsAndLosses) {
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_DEFENSIVE_UNNECESSARY_ROUGHNESS, 15, 10), 5)
        << "15 yards at the opponent's 10 move the ball 5";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_ENCROACHMENT, 5, 60), 5);
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_PASS_INTERFERENCE, 30, 25), 24)
        << "interference in the end zone puts the ball on the 1";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_PASS_INTERFERENCE, 20, 60), 20);
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_OFFENSIVE_HOLDING, -10, 92), -4)
        << "holding at the own 8 costs half the way back";
    EXPECT_EQ(Apply_Half_The_Distance(PENALTY_CLIPPING, -15, 40), -15);
}

TEST(Penalties, SidesFollowTheCodes) {
    EXPECT_EQ(Is_Defensive_Penalty(PENALTY_PASS_INTERFERENCE), 1);
    EXPECT_EQ(Is_Defensive_Penalty(PENALTY_OFFENSIVE_OFFSIDES), 0);
}

#include "database/random_numbers.h"
#include "engine/playbook_records.h"
#include "special_teams_test_game.h"

namespace {

int32_t Find_Play(bool run) {
    for (int32_t play = 0; play < OFFENSIVE_PLAYS; ++play)
        if (run ? Is_Running_Play(1, play) : Is_Passing_Play(1, play)) return play;
    return -1;
}

// Flags thrown in `snaps` seeded snaps of the situation.
int Count_Flags(uint32_t down, int32_t clock, int32_t play, int snaps) {
    int flags = 0;
    for (int n = 0; n < snaps; ++n) {
        GAME_RECORD* game = Special_Teams_Game(down, 60, clock, false);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(play);
        Seed_Random_Numbers(1000 + n);
        flags += Check_For_Penalty(game);
    }
    return flags;
}

} // namespace

TEST(Penalties, NoFlagOnFourthDownKicksTriesOrLateInTheHalf) {
    Build_Test_League();
    const int32_t run = Find_Play(true);
    const int32_t pass = Find_Play(false);
    ASSERT_GE(run, 0);
    ASSERT_GE(pass, 0);
    EXPECT_EQ(Count_Flags(3, 600, run, 300), 0) << "fourth down";
    EXPECT_EQ(Count_Flags(KICKOFF_DOWN, 600, run, 300), 0) << "kickoff";
    EXPECT_EQ(Count_Flags(CONVERSION_ATTEMPT, 600, pass, 300), 0) << "try";
    EXPECT_EQ(Count_Flags(0, 600, HARD_CODED_PUNT_PLAY, 300), 0) << "punt";
    EXPECT_EQ(Count_Flags(0, 1700, pass, 300), 0) << "100 s left in the first half";
    EXPECT_EQ(Count_Flags(0, 3500, run, 300), 0) << "100 s left in the game";
    EXPECT_GT(Count_Flags(0, 600, run, 300), 0) << "first-down runs do draw flags";
}

TEST(Penalties, FlagRecordsTheFoulYardsAndCounters) {
    Build_Test_League();
    const int32_t plays[2] = {Find_Play(true), Find_Play(false)};
    int flags = 0;
    for (int n = 0; n < 1500; ++n) {
        GAME_RECORD* game = Special_Teams_Game(n % 3, 8 + n % 90, 600, false);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(plays[n % 2]);
        const int32_t to_goal = game->Yards_To_Goal;
        Seed_Random_Numbers(7000 + n);
        if (!Check_For_Penalty(game)) continue;
        ++flags;
        const int32_t code = game->Current_Play.Yard2;
        ASSERT_GE(code, 0);
        ASSERT_LT(code, NUMBER_OF_PENALTY_CODES);
        EXPECT_NE(code, PENALTY_ROUGHING_THE_KICKER);
        EXPECT_NE(code, PENALTY_ILLEGAL_MOTION);
        EXPECT_NE(code, PENALTY_INTENTIONAL_GROUNDING);
        EXPECT_EQ(Get_Current_Play_Result(game), RESULT_PENALTY);
        const int32_t yards = game->Snap_Yards;
        EXPECT_EQ(game->Current_Play.Yard1, yards < 0 ? -yards : yards);
        if (Is_Defensive_Penalty(code)) {
            EXPECT_GT(yards, 0) << "code " << code;
            EXPECT_LT(yards, to_goal) << "a defensive foul never scores";
            EXPECT_EQ(game->Team_Totals[1][GAME_TOTAL_PENALTIES], 1);
        } else {
            EXPECT_LT(yards, 0) << "code " << code;
            EXPECT_GE(yards, (to_goal - 100) / 2) << "half the distance to the own goal";
            EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PENALTIES], 1);
        }
        EXPECT_GE(game->Snap_Seconds, 5);
        EXPECT_LE(game->Snap_Seconds, 10);
    }
    EXPECT_GT(flags, 20);
}
