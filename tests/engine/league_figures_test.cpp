// The test league every game test plays on looks like a real league.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/roster_slots.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "support/game_runner.h"
#include "support/league_figures.h"
#include "support/test_league.h"

// The league the figures are played on: each position good at what it does,
// starters ahead of backups, bodies that fit the position.
TEST(LeagueFigures, TestLeagueRostersLookLikeARealLeague) {
    Build_Test_League();
    auto mean = [](int32_t position, int32_t rating) {
        float sum = 0.0f;
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
            sum += Get_Player_Rating(team, Test_League_Slot(position, 0), rating);
        return sum / TEST_LEAGUE_TEAMS;
    };
    EXPECT_GT(mean(POSITION_K, RATING_FG_ACCURACY), mean(POSITION_QB, RATING_FG_ACCURACY) + 30.0f);
    EXPECT_GT(mean(POSITION_P, RATING_PUNT_DISTANCE), mean(POSITION_K, RATING_PUNT_DISTANCE));
    EXPECT_GT(mean(POSITION_T, RATING_PASS_BLOCKING), mean(POSITION_WR, RATING_PASS_BLOCKING) + 15.0f);
    EXPECT_GT(mean(POSITION_WR, RATING_RECEIVING), mean(POSITION_G, RATING_RECEIVING) + 30.0f);
    EXPECT_GT(mean(POSITION_CB, RATING_PASS_COVERAGE), mean(POSITION_DT, RATING_PASS_COVERAGE) + 15.0f);
    EXPECT_GT(mean(POSITION_DE, RATING_PASS_RUSH), mean(POSITION_CB, RATING_PASS_RUSH));
    EXPECT_LT(mean(POSITION_K, RATING_SPEED), 35.0f) << "a kicker's unused ratings stay low";

    int32_t stars = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
            float previous = 1000.0f;
            for (int32_t n = 0; n < Get_Position_Quota(position); ++n) {
                const int32_t slot = Test_League_Slot(position, n);
                const float value = Get_Player_Position_Rating(team, slot, position);
                EXPECT_LE(value, previous) << "team " << team << " position " << position << " depth " << n;
                previous = value;
                if (value >= 85.0f) ++stars;
                EXPECT_GE(value, 50.0f) << "team " << team << " slot " << slot;
                const int32_t height = Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT);
                const int32_t weight = Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT);
                const int32_t forty = Get_Player_Vital_Stat(team, slot, VITAL_FORTY_TIME);
                const int32_t age =
                    TEST_BASE_YEAR - Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
                EXPECT_TRUE(height >= 66 && height <= 82 && weight >= 170 && weight <= 350 && forty >= 425 &&
                            forty <= 560 && age >= 21 && age <= 34)
                    << "team " << team << " slot " << slot << ": " << height << " in, " << weight << " lb, "
                    << forty << ", age " << age;
            }
        }
    EXPECT_GT(stars, TEST_LEAGUE_TEAMS) << "a few stars a team";
    EXPECT_LT(stars, TEST_LEAGUE_TEAMS * 12);
    // Linemen are heavier and slower than receivers.
    EXPECT_GT(Get_Player_Vital_Stat(0, Test_League_Slot(POSITION_G, 0), VITAL_WEIGHT),
              Get_Player_Vital_Stat(0, Test_League_Slot(POSITION_WR, 0), VITAL_WEIGHT) + 60);
    EXPECT_GT(Get_Player_Vital_Stat(0, Test_League_Slot(POSITION_G, 0), VITAL_FORTY_TIME),
              Get_Player_Vital_Stat(0, Test_League_Slot(POSITION_WR, 0), VITAL_FORTY_TIME) + 40);
}

// The figures count a completion's gross yards (the record's passing yards
// are net of the sacks) and the fumbles that were lost.
TEST(LeagueFigures, YardsPerCompletionAreGrossAndFumblesCountTheLostOnes) {
    GAME_RECORD game;
    std::memset(&game, 0, sizeof game);
    game.Team_Totals[0][GAME_TOTAL_COMPLETIONS] = 20;
    game.Team_Totals[0][GAME_TOTAL_PASSING_YARDS] = 200;
    game.Team_Totals[1][GAME_TOTAL_SACKS] = 3;
    game.Team_Totals[1][GAME_TOTAL_SACK_YARDS] = 20;
    game.Team_Totals[1][GAME_TOTAL_COMPLETIONS] = 10;
    game.Team_Totals[1][GAME_TOTAL_PASSING_YARDS] = 100;
    game.Team_Stats[0][GAME_STAT_FUMBLES] = 3;
    game.Team_Stats[0][GAME_STAT_FUMBLES_LOST] = 1;
    LEAGUE_FIGURES figures{};
    Add_Game_To_Figures(figures, game);
    EXPECT_DOUBLE_EQ(Figures_Yards_Per_Completion(figures), 320.0 / 30.0);
    EXPECT_DOUBLE_EQ(Figures_Per_Game(figures, figures.Fumbles_Lost), 1.0);
    EXPECT_DOUBLE_EQ(Figures_Per_Game(figures, figures.Fumbles), 3.0);
    EXPECT_NE(Format_League_Figures(figures).find("fumbles lost 1.00 of 3.00"), std::string::npos);
}
