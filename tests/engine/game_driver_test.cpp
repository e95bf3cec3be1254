#include <gtest/gtest.h>

#include "database/settings.h"
#include "engine/downs_and_clock.h"
#include "engine/game_driver.h"
#include "game_test_support.h"

TEST(GameOver, RegulationAndOvertimeRules) {
    GAME_RECORD* game = Crafted_Game(3600, 0, 10, 70);
    game->Score[0] = 17;
    game->Score[1] = 17;
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 0);
    EXPECT_EQ(Is_Game_Over(game), 1) << "a tie stands without regular-season overtime";

    game->Down_Word = CONVERSION_ATTEMPT;
    game->Score[0] = 23;
    EXPECT_EQ(Is_Game_Over(game), 0) << "the try after a last-second touchdown is run first";
    game->Down_Word = KICKOFF_DOWN;
    EXPECT_EQ(Is_Game_Over(game), 1);

    // Mode 1: a field goal on the first possession does not end it; a touchdown does.
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 1);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 1);
    game->Score[0] = 20;
    game->Score[1] = 17;
    game->Clock = 3800;
    game->Overtime_Possessions = 0;
    EXPECT_EQ(Is_Game_Over(game), 0) << "side 1 has not had the ball";
    game->Overtime_Possessions = 2;
    EXPECT_EQ(Is_Game_Over(game), 1) << "both sides have had the ball";
    game->Overtime_Possessions = 0;
    game->Score[0] = 23;
    EXPECT_EQ(Is_Game_Over(game), 1) << "a touchdown ends it";
    game->Score[0] = 17;
    game->Clock = 4200;
    EXPECT_EQ(Is_Game_Over(game), 1) << "a regular-season tie stands when the period runs out";

    // Zero overtime minutes does not leave the game without an end.
    Set_User_Preference(OVERTIME_MINUTES, 0);
    EXPECT_EQ(Is_Game_Over(game), 1);

    // Playoffs: no game ends tied.
    game->Week = 18;
    for (int32_t mode = 0; mode < 4; ++mode) {
        Set_User_Preference(PLAYOFF_OVERTIME_RULE, mode);
        game->Clock = 5400;
        game->Overtime_Possessions = 3;
        EXPECT_EQ(Is_Game_Over(game), 0) << "playoff mode " << mode;
        game->Score[1] = 20;
        EXPECT_EQ(Is_Game_Over(game), 1) << "playoff mode " << mode;
        game->Score[1] = 17;
    }
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, 2);
    EXPECT_EQ(Get_Game_Time_Left(game), UNTIMED_OVERTIME_SECONDS);
}
