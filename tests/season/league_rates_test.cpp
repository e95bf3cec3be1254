#include <gtest/gtest.h>

#include "database/team_record.h"
#include "database/universe.h"
#include "season/league_rates.h"
#include "support/game_runner.h"
#include "support/test_league.h"

TEST(LeagueRates, FreshLeagueHoldsTheDefaultsAndUnsetRatesReadAsThem) {
    Build_Test_League();
    Universe.Header.League_Rates[0] = 0;
    Universe.Header.League_Rates[3] = -5;
    EXPECT_EQ(Get_League_Rate(LEAGUE_RATE_YARDS_PER_RUSH), 420) << "0 in a fresh block reads as the default";
    EXPECT_EQ(Get_League_Rate(LEAGUE_RATE_PLAY_RATIO), 2350);
    Update_League_Average_Rates();
    const int16_t defaults[4] = {420, 625, 1120, 2350};
    for (int n = 0; n < NUMBER_OF_LEAGUE_RATES; ++n)
        EXPECT_EQ(Universe.Header.League_Rates[n], defaults[n]) << "no game played yet, rate " << n;
    EXPECT_EQ(Get_League_Rate(7), 0);
}

TEST(LeagueRates, PlayedGamesSetTheRatesFromTheSeasonTotals) {
    Build_Test_League();
    Prepare_Game_Week(1, 321);
    ASSERT_EQ(Play_Test_Week(1), 16);
    Update_League_Average_Rates();
    const int32_t rush_yards = Get_League_Totals_Stat(0, 0, 8), rushes = Get_League_Totals_Stat(0, 0, 7);
    ASSERT_GT(rushes, 0);
    EXPECT_NEAR(Get_League_Rate(LEAGUE_RATE_YARDS_PER_RUSH), 100.0 * rush_yards / rushes, 0.5);
    EXPECT_EQ(Get_League_Rate(LEAGUE_RATE_COMPLETION), Get_League_Totals_Stat(3, 0, 101));
    EXPECT_GT(Get_League_Rate(LEAGUE_RATE_COMPLETION), 300);
    EXPECT_LT(Get_League_Rate(LEAGUE_RATE_COMPLETION), 900);
    const int32_t pass_yards = Get_League_Totals_Stat(3, 0, 5);
    EXPECT_NEAR(Get_League_Rate(LEAGUE_RATE_PLAY_RATIO),
                1000.0 * pass_yards / (rush_yards + Get_League_Totals_Stat(3, 0, 8)), 0.5);
}
