#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/player_season_totals.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/test_league.h"

namespace {
void Set_Season(int32_t team, int32_t slot, int32_t season, int32_t base) {
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        Set_Player_Stat(team, slot, season, stat, base + stat);
}
} // namespace

TEST(PlayerSeasonTotals, CopyAddTestAndCountOneSeason) {
    Build_Test_League();
    const int32_t team = 6;
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    Set_Season(team, slot, SEASON_LAST, 10);
    Set_Season(team, slot, SEASON_THIS, 100);

    Add_Player_Season_Stats(team, slot, SEASON_THIS, SEASON_LAST);
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        ASSERT_EQ(Get_Player_Stat(team, slot, SEASON_THIS, stat), 110 + 2 * stat) << "stat " << stat;
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_LAST, 3), 13) << "the season added from is left";

    Copy_Player_Season_Stats(team, slot, SEASON_THIS, SEASON_LAST);
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat)
        ASSERT_EQ(Get_Player_Stat(team, slot, SEASON_THIS, stat), 10 + stat) << "stat " << stat;

    EXPECT_EQ(Has_Player_Season_Stats(team, slot, SEASON_THIS), 1);
    Clear_Player_Season_Stats(team, slot, SEASON_THIS);
    EXPECT_EQ(Has_Player_Season_Stats(team, slot, SEASON_THIS), 0);
    Set_Player_Stat(team, slot, SEASON_THIS, 19, -1);
    EXPECT_EQ(Has_Player_Season_Stats(team, slot, SEASON_THIS), 1) << "the last statistic counts too";

    Increment_Player_Season_Stat(team, slot, SEASON_THIS, 19);
    Increment_Player_Season_Stat(team, slot, SEASON_THIS, 19);
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_THIS, 19), 1);

    Set_Player_Stat(team, slot, SEASON_THIS, 0, INT32_MAX);
    Set_Player_Stat(team, slot, SEASON_LAST, 0, 5);
    Add_Player_Season_Stats(team, slot, SEASON_THIS, SEASON_LAST);
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_THIS, 0), INT32_MAX) << "a sum past the field is held";
}

TEST(PlayerSeasonTotals, AddingOverTheLeagueTouchesOnlyPlayers) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_RB, 0);
    Set_Player_Stat(2, slot, SEASON_THIS, 8, 40);
    Set_Player_Stat(2, slot, SEASON_CAREER, 8, 900);
    Set_Player_Stat(31, slot, SEASON_THIS, 8, 7);
    Set_Player_Stat(31, slot, SEASON_CAREER, 8, 3);
    // An empty slot holding a stray figure is no player.
    Universe.Teams[2].Players[99].Season_Stats[SEASON_THIS][8] = 55;
    Universe.Teams[2].Players[99].Season_Stats[SEASON_CAREER][8] = 1;

    Add_All_Player_Season_Stats(SEASON_CAREER, SEASON_THIS);
    EXPECT_EQ(Get_Player_Stat(2, slot, SEASON_CAREER, 8), 940);
    EXPECT_EQ(Get_Player_Stat(31, slot, SEASON_CAREER, 8), 10);
    EXPECT_EQ(Get_Player_Stat(2, slot, SEASON_THIS, 8), 40);
    EXPECT_EQ(Universe.Teams[2].Players[99].Season_Stats[SEASON_CAREER][8], 1) << "empty slots are left";
}

TEST(PlayerSeasonTotals, RankCountsPlayersStrictlyAhead) {
    Build_Test_League();
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) Set_Player_Stat(team, slot, SEASON_LAST, 12, 0);
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Stat(0, wr, SEASON_LAST, 12, 9);
    Set_Player_Stat(1, wr, SEASON_LAST, 12, 12);
    Set_Player_Stat(2, wr, SEASON_LAST, 12, 12);
    Set_Player_Stat(3, wr, SEASON_LAST, 12, 4);
    EXPECT_EQ(Get_Player_Stat_Rank(1, wr, SEASON_LAST, 12), 1);
    EXPECT_EQ(Get_Player_Stat_Rank(2, wr, SEASON_LAST, 12), 1) << "equal values share the better rank";
    EXPECT_EQ(Get_Player_Stat_Rank(0, wr, SEASON_LAST, 12), 3);
    EXPECT_EQ(Get_Player_Stat_Rank(3, wr, SEASON_LAST, 12), 4);
    EXPECT_EQ(Get_Player_Stat_Rank(3, 0, SEASON_LAST, 12), 5) << "everyone at 0 ranks behind the four";
}

TEST(PlayerSeasonTotals, GamesPer17FollowTheSeasonProgress) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_TE, 0);
    Set_Player_Stat(7, slot, SEASON_LAST, 0, 17);
    Set_Player_Stat(7, slot, SEASON_THIS, 0, 8);
    Universe.Season_Length = 20;
    Set_User_Preference(CURRENT_WEEK, 2); // progress 100
    EXPECT_EQ(Get_Player_Games_Per_17(7, slot), 1000) << "last season, early on";
    Set_User_Preference(CURRENT_WEEK, 3); // progress 150
    EXPECT_EQ(Get_Player_Games_Per_17(7, slot), 471) << "(8008) / 17, this season";
    Set_Player_Stat(7, slot, SEASON_THIS, 0, -1);
    EXPECT_EQ(Get_Player_Games_Per_17(7, slot), -59) << "-58 truncated, one less below zero";
    Set_Player_Stat(7, slot, SEASON_THIS, 0, -17);
    EXPECT_EQ(Get_Player_Games_Per_17(7, slot), -999) << "a multiple of 17 is not lowered";
}
