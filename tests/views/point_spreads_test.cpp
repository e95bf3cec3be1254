#include <gtest/gtest.h>

#include <string>

#include "database/team_record.h"
#include "database/universe.h"
#include "support/test_league.h"
#include "views/point_spreads.h"

TEST(PointSpreads, HalfPointRoundingIsNotSymmetric) {
    EXPECT_EQ(Round_To_Half_Point(0), 0);
    EXPECT_EQ(Round_To_Half_Point(3), 5);
    EXPECT_EQ(Round_To_Half_Point(2), 0);
    EXPECT_EQ(Round_To_Half_Point(8), 10);
    for (int v = -6; v <= -3; ++v)
        EXPECT_EQ(Round_To_Half_Point(v), 0) << v;
    for (int v = -11; v <= -7; ++v)
        EXPECT_EQ(Round_To_Half_Point(v), -5) << v;
}

TEST(PointSpreads, RoundedDivisionStepsDownForNegatives) {
    EXPECT_EQ(Betting_Line_Divide(16, 70, 32), 35);
    EXPECT_EQ(Betting_Line_Divide(-16, 70, 32), -35);
    EXPECT_EQ(Betting_Line_Divide(-1, 70, 32), -2);
    EXPECT_EQ(Betting_Line_Divide(5, 70, 0), 0) << "no teams, no division";
}

TEST(PointSpreads, EvenTeamsGiveTheHomeSideTwoAndAHalf) {
    EXPECT_EQ(Compute_Point_Spread(0, 0, 32), -25);
    // 22,000 rating points favour the visitor; beyond 9.5 points the spread is
    // compressed: s = 323 becomes (295 * 323 + 261) / 523 = 182, rounded to 180.
    EXPECT_EQ(Compute_Point_Spread(22000, 0, 32), 180);
    EXPECT_LT(Compute_Point_Spread(-22000, 0, 32), -95);
    EXPECT_EQ(Compute_Point_Spread(0, 16, 32), 10) << "a rank edge of half the league is 3.5 points";
    EXPECT_EQ(Compute_Point_Spread(0, 16, 0), -25) << "no active teams";
    // A rating difference of -10 gives h = -1, not 0: -28 rounds to -25.
    EXPECT_EQ(Compute_Point_Spread(-10, 0, 32), -25);
    EXPECT_EQ(Compute_Point_Spread(-10 - 2200 * 1, 0, 32), -60) << "h = -35: s = -62";
    // s = 120 (h = 147) compresses to 111 and rounds to 110.
    EXPECT_EQ(Compute_Point_Spread(9209, 0, 32), 110);
}

TEST(PointSpreads, OverUnderFollowsOffenceAndDefence) {
    const int32_t even = Compute_Over_Under(34, 34, 32, 2020);
    EXPECT_EQ(even % 5, 0) << "half points";
    EXPECT_EQ(even, 455) << "twice the 2020 average, 456, to half points";
    EXPECT_EQ(Compute_Over_Under(34, 34, 32, 1978), 345) << "1978: 344 to half points";
    EXPECT_GT(Compute_Over_Under(4, 34, 32, 2020), even) << "better offences raise the line";
    EXPECT_LT(Compute_Over_Under(34, 4, 32, 2020), even) << "better defences lower it";
    EXPECT_EQ(Compute_Over_Under(34, 34, 32, 2030), Compute_Over_Under(34, 34, 32, 2020))
        << "later years use the last season";
    EXPECT_EQ(Compute_Over_Under(34, 34, 32, 1900), Compute_Over_Under(34, 34, 32, 1951));
    EXPECT_EQ(Compute_Over_Under(34, 34, 32, 2024), 455) << "2024 uses 2020's entry";
    EXPECT_EQ(Compute_Over_Under(34, 34, 32, 1940), Compute_Over_Under(34, 34, 32, 1951))
        << "1940 uses 1951's";
}

TEST(PointSpreads, GameRecordCachesTheLines) {
    Build_Test_League();
    GAME_RECORD* game = &Universe.Games[5];
    game->Season_Year = 0;
    game->Rating_Spread = 0;
    const int32_t spread = Get_Game_Point_Spread(game, 0, 1);
    EXPECT_EQ(game->Rating_Spread, 0) << "a record not in use stores nothing";
    EXPECT_EQ(spread, Get_Point_Spread_By_Rating(0, 1));

    game->Season_Year = 2020;
    EXPECT_EQ(Get_Game_Point_Spread(game, 0, 1), spread);
    EXPECT_EQ(game->Rating_Spread, spread + 1000);
    game->Rating_Spread = 1000 + 35;
    EXPECT_EQ(Get_Game_Point_Spread(game, 0, 1), 35) << "a filled cache is read back";

    game->Rank_Spread = 0;
    const int32_t line = Get_Game_Over_Under(game, 0, 1);
    EXPECT_EQ(game->Rank_Spread, line + 1000);
    EXPECT_EQ(Get_Point_Spread_By_Rank(0, 1), line);
}

TEST(PointSpreads, SpreadTextNamesTheFavourite) {
    Build_Test_League();
    GAME_RECORD* game = &Universe.Games[6];
    game->Season_Year = 2020;
    char first[TEAM_STRING_LENGTH];
    char second[TEAM_STRING_LENGTH];
    Get_Team_String(first, 0, 0);
    Get_Team_String(second, 1, 0);
    char text[64];

    game->Rating_Spread = 1000;
    Format_Point_Spread_Text(text, sizeof text, game, 0, 1);
    EXPECT_STREQ(text, "Pick'em");

    game->Rating_Spread = 1000 - 25;
    Format_Point_Spread_Text(text, sizeof text, game, 0, 1);
    EXPECT_EQ(std::string(text), "-2.5 (" + std::string(second) + ")")
        << "a negative spread favours the home team";

    game->Rating_Spread = 1000 + 30;
    Format_Point_Spread_Text(text, sizeof text, game, 0, 1);
    EXPECT_EQ(std::string(text), "-3 (" + std::string(first) + ")") << "whole points have no decimal";

    char tiny[4];
    Format_Point_Spread_Text(tiny, sizeof tiny, game, 0, 1);
    EXPECT_EQ(std::string(tiny), "-3 ") << "the text is cut to the buffer";
}
