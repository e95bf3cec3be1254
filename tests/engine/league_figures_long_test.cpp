// Hundreds of games on the test league, judged by the figures of a real
// league: both teams together per game. The bands are wide on purpose: they
// catch an engine or a league that has drifted into another sport (eighty
// passes a game, no running game, a punt every other series), not a few
// tenths. A long run: `ctest -L long`.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "database/universe.h"
#include "support/game_runner.h"
#include "support/league_figures.h"
#include "support/test_league.h"

namespace {

// Plays whole seasons of 16 weeks on the test league, the league rates
// refreshed before each game day as the season cycle does, and counts the
// games from week 5 on, once the rates follow the season's own play.
LEAGUE_FIGURES Play_Seasons(int32_t seasons, uint32_t first_seed) {
    LEAGUE_FIGURES figures{};
    for (int32_t season = 0; season < seasons; ++season) {
        Build_Test_League();
        std::memset(Universe.Games, 0, sizeof(Universe.Games));
        for (int32_t week = 1; week <= 16; ++week) {
            Prepare_Game_Week(week, first_seed + static_cast<uint32_t>(100 * season + week));
            const int32_t first = Find_Free_Game_Record();
            Play_Test_Week(week);
            if (week < 5 || first < 0) continue;
            for (int32_t n = first; n < first + 16 && n < MAX_GAME_RECORDS; ++n)
                if (Universe.Games[n].Season_Year != 0) Add_Game_To_Figures(figures, Universe.Games[n]);
        }
    }
    return figures;
}

} // namespace

TEST(LeagueFigures, LongRunOfGamesLooksLikeARealLeague) {
    const LEAGUE_FIGURES f = Play_Seasons(2, 7000);
    const std::string table = Format_League_Figures(f);
    printf("%s", table.c_str());
    ASSERT_EQ(f.Games, 384);
    const auto per_game = [&f](int64_t total) { return Figures_Per_Game(f, total); };
    EXPECT_GT(per_game(f.Points), 20.0);
    EXPECT_LT(per_game(f.Points), 60.0);
    EXPECT_GT(per_game(f.Plays), 100.0);
    EXPECT_LT(per_game(f.Plays), 150.0);
    // With the rates following the season, the computer balances its calls.
    EXPECT_GT(per_game(f.Rushes), 25.0);
    EXPECT_LT(per_game(f.Pass_Attempts), 85.0);
    EXPECT_GT(Figures_Completion_Rate(f), 0.45);
    EXPECT_LT(Figures_Completion_Rate(f), 0.75);
    EXPECT_GT(Figures_Yards_Per_Rush(f), 2.5);
    EXPECT_LT(Figures_Yards_Per_Rush(f), 6.0);
    EXPECT_GT(Figures_Yards_Per_Completion(f), 8.0);
    EXPECT_LT(Figures_Yards_Per_Completion(f), 15.0);
    EXPECT_LT(per_game(f.Sacks), 10.0);
    EXPECT_LT(per_game(f.Interceptions), 4.0);
    EXPECT_GT(per_game(f.Punts), 4.0);
    EXPECT_LT(per_game(f.Punts), 16.0);
    EXPECT_GT(per_game(f.Field_Goals_Tried), 1.5);
    EXPECT_LT(per_game(f.Field_Goals_Tried), 7.0);
    EXPECT_LT(per_game(f.Overtime_Games), 0.15);
}
