#include <gtest/gtest.h>

#include "database/random_numbers.h"
#include "database/team_record.h"
#include "engine/defensive_play_calling.h"
#include "engine/game_record.h"
#include "engine/play_matchups.h"
#include "game_calls_test_support.h"
#include "support/debug_log.h"
#include "support/test_league.h"

TEST(DefensivePlayCalling, PassFocusMatchOfFormations) {
    EXPECT_EQ(Get_Pass_Focus_Match(22, 22), 1000) << "the formation asked for";
    EXPECT_EQ(Get_Pass_Focus_Match(22, 25), Mul_Div_Round(100, 1000, 150)) << "50 apart";
    EXPECT_EQ(Get_Pass_Focus_Match(22, 36), 0) << "150 or more apart";
    EXPECT_TRUE(Is_Defensive_Formation(22));
    EXPECT_TRUE(Is_Defensive_Formation(38));
    EXPECT_FALSE(Is_Defensive_Formation(21));
    EXPECT_FALSE(Is_Defensive_Formation(39));

    Clear_Debug_Log();
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(3), 1000);
    EXPECT_EQ(Count_Debug_Lines("Invalid nFormation in Get_Defensive_Formation_Pass_Focus()"), 1);
}

TEST(DefensivePlayCalling, ThreeFourTeamShunsTheFourThree) {
    Build_Test_League();
    Set_Team_Stat(0, TEAM_STAT_DEFENSIVE_SYSTEM, 1);
    EXPECT_EQ(Get_Team_Defensive_System_Match(0, 22), 100);
    EXPECT_EQ(Get_Team_Defensive_System_Match(41, 22), Get_Team_Defensive_System_Match(1, 22))
        << "a team number out of range plays the base system";
}

TEST(DefensivePlayCalling, MatchupColumnsAverageAThousand) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    for (int d = 0; d < 30; ++d) {
        long long sum = 0;
        for (int o = 0; o < 54; ++o)
            sum += Play_Matchup_Table[o * 30 + d];
        if (sum == 0) continue;
        EXPECT_NEAR(sum, 54000, 54 + 54000 / 1000) << "column " << d;
    }
    EXPECT_EQ(Get_Play_Matchup_Value(0, 0, 1, 30), 0) << "no defensive play 30";
    EXPECT_EQ(Get_Play_Matchup_Value(0, 0, 200, 0), 0) << "no team 200";
}

// Each cell of the table is the matchup of its two calls, each column scaled
// so that the offence's own plays average 1,000.
TEST(DefensivePlayCalling, MatchupTableHoldsEachPairsScaledMatchup) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    const int32_t side = Get_Offense_Side(game);
    const int32_t offense = game->Team[side];
    const int32_t defense = game->Team[1 - side];
    for (int32_t d = 0; d < 30; ++d) {
        int64_t sum = 0;
        for (int32_t o = 0; o < 54; ++o)
            sum += Get_Play_Matchup_Value(offense, o, defense, d);
        const int64_t factor = sum == 0 ? 0 : (54000000 + sum / 2) / sum;
        for (int32_t o = 0; o < 60; ++o) {
            const int64_t value = Get_Play_Matchup_Value(offense, o, defense, d);
            const int64_t scaled =
                o < 54 ? Mul_Div_Round(static_cast<int32_t>(value), static_cast<int32_t>(factor), 1000)
                       : value;
            ASSERT_EQ(Play_Matchup_Table[o * 30 + d], scaled) << "offence " << o << " defence " << d;
        }
    }
}

TEST(DefensivePlayCalling, CallIsReproducibleAndInRange) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    Build_Play_Matchup_Table(game);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        Seed_Random_Numbers(seed);
        const int32_t call = Choose_Defensive_Play(game);
        EXPECT_GE(call, 0);
        EXPECT_LT(call, 30);
        Seed_Random_Numbers(seed);
        EXPECT_EQ(Choose_Defensive_Play(game), call) << "seed " << seed;
    }
}

TEST(DefensivePlayCalling, AllWeightsZeroGivesAUniformCall) {
    Build_Test_League();
    GAME_RECORD* game = Start_Test_Game();
    for (int& cell : Play_Matchup_Table)
        cell = 0;
    bool seen[30] = {};
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        Seed_Random_Numbers(seed);
        const int32_t call = Choose_Defensive_Play(game);
        ASSERT_GE(call, 0);
        ASSERT_LT(call, 30);
        seen[call] = true;
    }
    int distinct = 0;
    for (bool s : seen)
        distinct += s ? 1 : 0;
    EXPECT_GT(distinct, 20) << "every play can be drawn";
}
