#include <gtest/gtest.h>

#include <cstring>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/kicking_plays.h"
#include "support/test_league.h"

TEST(KickingPlays, PeriodAndHalfClocks) {
    Build_Test_League();
    Universe.Season_Length = 17;
    GAME_RECORD game;
    std::memset(&game, 0, sizeof(game));
    game.Week = 3;
    game.Clock = 100;
    EXPECT_EQ(Get_Period_Time_Left(&game), 800);
    EXPECT_EQ(Get_Half_Time_Left(&game), 1700);
    game.Clock = 2000;
    EXPECT_EQ(Get_Half_Time_Left(&game), 1600);
    game.Clock = 1800;
    game.Down_Word = CONVERSION_ATTEMPT;
    EXPECT_EQ(Get_Half_Time_Left(&game), 0) << "the try after a score at the half";
    game.Down_Word = 0;
    Set_User_Preference(OVERTIME_MINUTES, 10);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
    game.Clock = 3700;
    EXPECT_EQ(Get_Period_Length(&game), 600);
    EXPECT_EQ(Get_Period_Time_Left(&game), 500);
    EXPECT_EQ(Get_Half_Time_Left(&game), 500);
    Set_User_Preference(OVERTIME_MINUTES, 0);
    EXPECT_EQ(Get_Period_Length(&game), 900) << "no overtime length in the league: a full quarter";
    game.Week = 18;
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, 2);
    EXPECT_EQ(Get_Half_Time_Left(&game), 9000);
}

TEST(KickingPlays, KickReturnsStayInRange) {
    Build_Test_League();
    Seed_Random_Numbers(5);
    int touchdowns = 0;
    for (int n = 0; n < 3000; ++n) {
        const int32_t yards = Get_Kick_Return_Yards(2, 10, n % 2);
        ASSERT_GE(yards, 1);
        ASSERT_LE(yards, RETURN_TOUCHDOWN_YARDS);
        touchdowns += yards == RETURN_TOUCHDOWN_YARDS;
    }
    EXPECT_LT(touchdowns, 100);
}
