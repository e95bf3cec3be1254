#include <gtest/gtest.h>

#include <cstring>

#include "database/historical_norms.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/universe.h"
#include "personnel/predicted_consistency.h"
#include "personnel/predicted_stats.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {

constexpr int32_t TEAM = 7;

// A player of `position` in the first slot of that position, his predicted season empty.
int32_t Crafted_Player(int32_t position) {
    const int32_t slot = Test_League_Slot(position, 0);
    Clear_Player_Season_Stats(TEAM, slot, SEASON_PREDICTED);
    return slot;
}

int32_t S(int32_t slot, int32_t stat) {
    return Get_Player_Stat(TEAM, slot, SEASON_PREDICTED, stat);
}

void Set_S(int32_t slot, int32_t stat, int32_t value) {
    Set_Player_Stat(TEAM, slot, SEASON_PREDICTED, stat, value);
}

} // namespace

TEST(PredictedChange, ZeroModifierOrWeightChangesNothing) {
    Build_Test_League();
    const int32_t qb = Crafted_Player(POSITION_QB);
    for (int32_t stat = 0; stat < 20; ++stat)
        Set_S(qb, stat, 100 + stat);
    for (int32_t stat = 0; stat < 20; ++stat)
        Modify_Predicted_Player_Stats(TEAM, qb, SEASON_PREDICTED, stat, 0, 1, 0);
    Modify_Predicted_Player_Stats(TEAM, qb, SEASON_PREDICTED, 16, -400, 0, 0);
    for (int32_t stat = 0; stat < 20; ++stat)
        EXPECT_EQ(S(qb, stat), 100 + stat) << "statistic " << stat;
}

TEST(PredictedChange, FractionsRoundAtOneHalfOrAgainstADraw) {
    Build_Test_League();
    const int32_t qb = Crafted_Player(POSITION_QB);
    Set_S(qb, 5, 4000);
    // 3,800 typical yards x (-100 x 45 % = -45) per mille = -171 exactly.
    Modify_Predicted_Player_Stats(TEAM, qb, SEASON_PREDICTED, 5, -100, 0, 0);
    EXPECT_EQ(S(qb, 5), 3829);

    const int32_t rb = Crafted_Player(POSITION_RB);
    Set_S(rb, 10, 50);
    // 40 typical catches x round(50 x 75 %) = 38 per mille = 1.52: up to 2 at the fixed threshold.
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 10, 50, 0, 0);
    EXPECT_EQ(S(rb, 10), 52);
    Set_S(rb, 10, 50);
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 10, -50, 0, 0);
    EXPECT_EQ(S(rb, 10), 48) << "-1.52 rounds away to -2";

    for (uint32_t seed = 1; seed <= 40; ++seed) {
        Seed_Random_Numbers(seed);
        const int32_t threshold = static_cast<int32_t>(Random_Number() * RANDOM_FRACTION * 1000);
        Seed_Random_Numbers(seed);
        Set_S(rb, 10, 50);
        Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 10, 50, 0, 1);
        EXPECT_EQ(S(rb, 10), threshold < 520 ? 52 : 51) << "seed " << seed << " threshold " << threshold;
    }
}

TEST(PredictedChange, LargeCutsNeverTakeMoreThanHalf) {
    Build_Test_League();
    const int32_t rb = Crafted_Player(POSITION_RB);
    Set_S(rb, 8, 1000);
    // a = -300 x 200 % = -600: the plain change is -864 yards, so the line scales by 400 per mille
    // instead, which is held at half.
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 8, -300, 0, 0);
    EXPECT_EQ(S(rb, 8), 500);
    Set_S(rb, 8, 1000);
    // a = -400: the plain change of -576 yards would pass half, so the line scales by 600 per mille.
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 8, -200, 0, 0);
    EXPECT_EQ(S(rb, 8), 600);
    Set_S(rb, 8, 1000);
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 8, -100, 0, 0);
    EXPECT_EQ(S(rb, 8), 712) << "a cut of less than half is taken whole";
    Set_S(rb, 8, 1000);
    Clear_Debug_Log();
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 8, -990, 0, 0);
    EXPECT_EQ(S(rb, 8), 500) << "a cut beyond the whole line would turn it negative";
    EXPECT_EQ(Count_Debug_Lines("Modifier too large in Modify_Predicted_Player_Stats(7,"), 1);

    Clear_Debug_Log();
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 8, -100, 5, 0);
    Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, 20, -100, 0, 0);
    EXPECT_EQ(Count_Error_Lines(), 2) << "an unknown kind or statistic is refused";
    EXPECT_EQ(S(rb, 8), 500);
}

TEST(PredictedConsistency, BacksAndQuarterbacksAreHeldToBelievableLines) {
    Build_Test_League();
    const int32_t qb = Crafted_Player(POSITION_QB);
    Set_S(qb, 5, 300);
    Reconcile_Predicted_Player_Stats(TEAM, qb);
    EXPECT_EQ(S(qb, 5), 0) << "no completions, no passing yards";
    EXPECT_EQ(S(qb, 7), 15);
    Set_S(qb, 3, 100);
    Set_S(qb, 5, 2000);
    Reconcile_Predicted_Player_Stats(TEAM, qb);
    EXPECT_EQ(S(qb, 5), 1500);

    const int32_t rb = Crafted_Player(POSITION_RB);
    Set_S(rb, 7, 10);
    Set_S(rb, 8, 200);
    Reconcile_Predicted_Player_Stats(TEAM, rb);
    EXPECT_EQ(S(rb, 7), 34) << "15 first, then 200 / 6 + 1";
    EXPECT_EQ(S(rb, 8), 200);

    const int32_t wr = Crafted_Player(POSITION_WR);
    Set_S(wr, 11, 900);
    Set_S(wr, 6, 500);
    Set_S(wr, 5, 90);
    Reconcile_Predicted_Player_Stats(TEAM, wr);
    EXPECT_EQ(S(wr, 10), 8) << "a receiver gets half his shortfall of 16 catches";
    EXPECT_EQ(S(wr, 11), 0) << "bounds by the catches as read";
    EXPECT_EQ(S(wr, 6), 0);
    EXPECT_EQ(S(wr, 5), 0);

    Set_S(wr, 10, 40);
    Set_S(wr, 11, 900);
    Set_S(wr, 6, 50);
    Set_S(wr, 5, 10);
    Set_S(wr, 15, 30);
    Reconcile_Predicted_Player_Stats(TEAM, wr);
    EXPECT_EQ(S(wr, 11), 760);
    EXPECT_EQ(S(wr, 6), 112);
    EXPECT_EQ(S(wr, 5), 22);
    EXPECT_EQ(S(wr, 14), 1) << "return yards need a return";
}

TEST(PredictedConsistency, LinemenAndKickersGetTheirFloors) {
    Build_Test_League();
    const int32_t tackle = Crafted_Player(POSITION_T);
    Set_S(tackle, 7, 10);
    Set_S(tackle, 8, 5);
    Reconcile_Predicted_Player_Stats(TEAM, tackle);
    EXPECT_EQ(S(tackle, 8), 30);
    EXPECT_EQ(S(tackle, 5), 20);
    EXPECT_EQ(S(tackle, 6), 20);

    const int32_t punter = Crafted_Player(POSITION_P);
    Set_S(punter, 2, 100);
    Set_S(punter, 3, 5000);
    Reconcile_Predicted_Player_Stats(TEAM, punter);
    EXPECT_EQ(S(punter, 2), 80);
    EXPECT_EQ(S(punter, 3), 3600) << "450 x 80 / 10";

    const int32_t kicker = Crafted_Player(POSITION_K);
    for (int32_t stat = 10; stat <= 17; ++stat)
        Set_S(kicker, stat, 10);
    Set_S(kicker, 15, 30);
    Set_S(kicker, 14, 30);
    Set_S(kicker, 17, 0);
    Set_S(kicker, 18, 55);
    Reconcile_Predicted_Player_Stats(TEAM, kicker);
    EXPECT_EQ(S(kicker, 17), 0) << "a kicker's statistics 17 and 18 are not returns";
    EXPECT_EQ(S(kicker, 18), 55) << "enough attempts: no benchmark season added";
    EXPECT_EQ(S(kicker, 2), 30);
    EXPECT_EQ(S(kicker, 3), 900) << "punts held to 30 at an average of at least 30 yards";

    Clear_Player_Season_Stats(TEAM, kicker, SEASON_PREDICTED);
    Set_S(kicker, 18, 99);
    Reconcile_Predicted_Player_Stats(TEAM, kicker);
    EXPECT_EQ(S(kicker, 10), Get_Position_Stat_Benchmark(POSITION_K, 10))
        << "a kicker without field goals gets one benchmark season";
    EXPECT_EQ(S(kicker, 18), 40) << "longest field goal held to his attempts as read plus 40";
}

TEST(PredictedChange, WholeLineChangesAreTheOneChangeForEveryStatistic) {
    Build_Test_League();
    const int32_t rb = Crafted_Player(POSITION_RB);
    for (int32_t stat = 0; stat < 20; ++stat)
        Set_S(rb, stat, 40 + 7 * stat);
    const PLAYER_RECORD start = Universe.Teams[TEAM].Players[rb];
    using WHOLE_LINE = void (*)(int32_t, int32_t, int32_t, int32_t);
    const struct {
        WHOLE_LINE Change;
        int32_t Random;
        bool Reconcile;
    } forms[] = {{Modify_All_Predicted_Stats, 0, false},
                 {Modify_All_Predicted_Stats_Randomly, 1, false},
                 {Modify_And_Reconcile_Predicted_Stats, 0, true},
                 {Modify_Randomly_And_Reconcile_Predicted_Stats, 1, true}};
    for (const auto& form : forms) {
        SCOPED_TRACE(testing::Message() << "random " << form.Random << ", reconciled " << form.Reconcile);
        Universe.Teams[TEAM].Players[rb] = start;
        Seed_Random_Numbers(77);
        const uint64_t first = Get_Random_Draw_Count();
        for (int32_t stat = 0; stat < 20; ++stat)
            Modify_Predicted_Player_Stats(TEAM, rb, SEASON_PREDICTED, stat, -120, 1, form.Random);
        if (form.Reconcile) Reconcile_Predicted_Player_Stats(TEAM, rb);
        const PLAYER_RECORD expected = Universe.Teams[TEAM].Players[rb];
        const uint64_t draws = Get_Random_Draw_Count() - first;

        Universe.Teams[TEAM].Players[rb] = start;
        Seed_Random_Numbers(77);
        const uint64_t second = Get_Random_Draw_Count();
        form.Change(TEAM, rb, -120, 1);
        EXPECT_EQ(memcmp(&Universe.Teams[TEAM].Players[rb], &expected, sizeof expected), 0);
        EXPECT_EQ(Get_Random_Draw_Count() - second, draws);
    }
    Universe.Teams[TEAM].Players[rb] = start;
    Modify_And_Reconcile_Predicted_Stats(TEAM, rb, 0, 1);
    Universe.Teams[TEAM].Players[rb] = start;
    Modify_All_Predicted_Stats(TEAM, rb, 0, 2);
    EXPECT_EQ(memcmp(&Universe.Teams[TEAM].Players[rb], &start, sizeof start), 0) << "a modifier of 0";
}

TEST(PredictedChange, ProtectedStatisticsTypicalSharesAndDraftCodes) {
    for (int32_t position = POSITION_QB; position <= POSITION_P; ++position)
        for (int32_t stat = 0; stat < 20; ++stat) {
            const bool line = position >= POSITION_T && position <= POSITION_C && (stat == 5 || stat == 6);
            const bool kick = position >= POSITION_K && (stat == 5 || stat == 18);
            EXPECT_EQ(Is_Predicted_Stat_Protected(position, stat), line || kick)
                << "position " << position << ", statistic " << stat;
        }

    Build_Test_League();
    const int32_t te = Crafted_Player(POSITION_TE);
    Set_Player_Stat(TEAM, te, SEASON_LAST, 10, 5);
    Add_Typical_Season_Share(TEAM, te, SEASON_LAST, 250);
    EXPECT_EQ(Get_Player_Stat(TEAM, te, SEASON_LAST, 10), 25) << "5 + a quarter of 80 catches";
    EXPECT_EQ(Get_Player_Stat(TEAM, te, SEASON_LAST, 3), 23) << "93 targets x 250 / 1000 = 23.25";
    Add_Typical_Season_Share(TEAM, te, SEASON_LAST, -250);
    EXPECT_EQ(Get_Player_Stat(TEAM, te, SEASON_LAST, 10), 5);
    EXPECT_EQ(S(te, 10), 0) << "only the season named";

    // Third round, fourth pick of it, 68th overall.
    EXPECT_EQ(Get_Draft_Code_Round(304068), 3);
    EXPECT_EQ(Get_Draft_Code_Pick(304068), 68);
    EXPECT_EQ(Get_Draft_Code_Round(0), 0);
    EXPECT_EQ(Get_Draft_Code_Pick(0), 0);
}
