#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/player_season_totals.h"
#include "database/player_statistics.h"
#include "database/settings.h"
#include "database/universe.h"
#include "support/test_league.h"

TEST(PlayerSeasonTotals, CopyAddTestAndCountSeasons) {
    Build_Test_League();
    const int32_t team = 6;
    const int32_t slot = Test_League_Slot(POSITION_WR, 1);
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        Set_Player_Stat(team, slot, SEASON_LAST, stat, 10 + stat);
        Set_Player_Stat(team, slot, SEASON_THIS, stat, 100);
    }
    Add_Player_Season_Stats(team, slot, SEASON_THIS, SEASON_LAST);
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_THIS, 19), 129);
    Copy_Player_Season_Stats(team, slot, SEASON_THIS, SEASON_LAST);
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_THIS, 19), 29);

    Clear_Player_Season_Stats(team, slot, SEASON_THIS);
    EXPECT_EQ(Has_Player_Season_Stats(team, slot, SEASON_THIS), 0);
    Increment_Player_Season_Stat(team, slot, SEASON_THIS, 19);
    EXPECT_EQ(Has_Player_Season_Stats(team, slot, SEASON_THIS), 1) << "the last statistic counts too";

    // Over the league: players only, not a stray figure in an empty slot.
    Universe.Teams[team].Players[99].Season_Stats[SEASON_THIS][19] = 55;
    Set_Player_Stat(31, slot, SEASON_THIS, 19, 7);
    Set_Player_Stat(31, slot, SEASON_CAREER, 19, 3);
    Add_All_Player_Season_Stats(SEASON_THIS, SEASON_CAREER);
    EXPECT_EQ(Get_Player_Stat(31, slot, SEASON_THIS, 19), 10);
    EXPECT_EQ(Universe.Teams[team].Players[99].Season_Stats[SEASON_THIS][19], 55);

    Set_Player_Stat(team, slot, SEASON_LAST, 0, INT32_MAX);
    Add_Player_Season_Stats(team, slot, SEASON_LAST, SEASON_LAST);
    EXPECT_EQ(Get_Player_Stat(team, slot, SEASON_LAST, 0), INT32_MAX) << "a sum past the field is held";
}

TEST(PlayerSeasonTotals, RankAndGamesPer17) {
    Build_Test_League();
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Set_Player_Stat(team, slot, SEASON_LAST, 12, 0); });
    const int32_t wr = Test_League_Slot(POSITION_WR, 0);
    Set_Player_Stat(0, wr, SEASON_LAST, 12, 9);
    Set_Player_Stat(1, wr, SEASON_LAST, 12, 12);
    Set_Player_Stat(2, wr, SEASON_LAST, 12, 12);
    EXPECT_EQ(Get_Player_Stat_Rank(2, wr, SEASON_LAST, 12), 1) << "equal values share the better rank";
    EXPECT_EQ(Get_Player_Stat_Rank(0, wr, SEASON_LAST, 12), 3);
    EXPECT_EQ(Get_Player_Stat_Rank(3, wr, SEASON_LAST, 12), 4);

    Set_Player_Stat(7, wr, SEASON_LAST, 0, 17);
    Set_Player_Stat(7, wr, SEASON_THIS, 0, 8);
    Universe.Season_Length = 20;
    Set_User_Preference(CURRENT_WEEK, 2); // progress 100
    EXPECT_EQ(Get_Player_Games_Per_17(7, wr), 1000) << "last season, early on";
    Set_User_Preference(CURRENT_WEEK, 3); // progress 150
    EXPECT_EQ(Get_Player_Games_Per_17(7, wr), 471) << "8008 / 17, this season";
    Set_Player_Stat(7, wr, SEASON_THIS, 0, -1);
    EXPECT_EQ(Get_Player_Games_Per_17(7, wr), -59) << "-58 truncated, one less below zero";
    Set_Player_Stat(7, wr, SEASON_THIS, 0, -17);
    EXPECT_EQ(Get_Player_Games_Per_17(7, wr), -999) << "a multiple of 17 is not lowered";
}
