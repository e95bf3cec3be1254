#include <gtest/gtest.h>

#include "database/settings.h"
#include "database/team_record.h"
#include "engine/downs_and_clock.h"
#include "engine/formations.h"
#include "engine/game_driver.h"
#include "engine/play_loop.h"
#include "game_test_support.h"
#include "platform/message_queue.h"
#include "support/game_runner.h"
#include "support/test_league.h"

TEST(PlayLoop, ChangeOfPossessionTurnsTheFieldAndMarksOvertime) {
    GAME_RECORD* game = Crafted_Game(3700, 1, 7, 30);
    Set_Team_Stat(1, TEAM_STAT_RED_ZONE, 1);
    Change_Possession(game);
    EXPECT_EQ(game->Possession_Team, 2);
    EXPECT_EQ(game->Yards_To_Goal, 70);
    EXPECT_NE(game->Down_Word & POSSESSION_CHANGE_BITS, 0u);
    EXPECT_EQ(game->Overtime_Possessions, 1) << "side 0 has had its overtime possession";
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_RED_ZONE), 0);

    game = Crafted_Game(3600, 1, 7, 30);
    Change_Possession(game);
    EXPECT_EQ(game->Overtime_Possessions, 0) << "regulation's last snap is not overtime";
}

TEST(PlayLoop, DropBackDependsOnTheSnapFormation) {
    GAME_RECORD* game = Crafted_Game(100, 0, 10, 70);
    game->Current_Play.Offensive_Play = 0;
    game->Formation[0] = 3;
    bool under_centre = Is_Drop_Back_From_Center(game);
    for (int32_t formation : {8, 12, 15, 17, 19, 21, 41, 42, 43}) {
        game->Formation[0] = formation;
        EXPECT_FALSE(Is_Drop_Back_From_Center(game)) << "formation " << formation;
    }
    game->Formation[0] = 3;
    EXPECT_EQ(Is_Drop_Back_From_Center(game), under_centre);
}

TEST(PlayLoop, UserCallsFollowTheControlWord) {
    Reset_Test_League(4);
    EXPECT_FALSE(Is_Team_User_Called(1)) << "computer team";
    EXPECT_TRUE(Is_Team_User_Called(36)) << "a pool slot has no computer coach";
    EXPECT_TRUE(Is_Team_User_Called(10)) << "an empty slot";
    Set_Team_Stat(1, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    EXPECT_TRUE(Is_Team_User_Called(1));
    Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
    EXPECT_FALSE(Is_Team_User_Called(1)) << "a multi-season simulation calls every play";
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
}

TEST(PlayLoop, UnwatchedGameNeverWaitsAndAnimationStepFollowsTheDelay) {
    GAME_RECORD* game = Crafted_Game(100, 0, 10, 70);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(CURRENT_VIEW, GAMES_VIEW);
    EXPECT_EQ(Is_Waiting_For_Play_Calls(game), 0) << "nobody watches this game";
    Set_User_Preference(PLAY_ANIMATION_DELAY, 300);
    EXPECT_EQ(Get_Animation_Step(), 600);
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    EXPECT_EQ(Get_Animation_Step(), 1);
    Set_User_Preference(SIM_TO_QUARTER, 3);
    EXPECT_EQ(Get_Animation_Step(), 0);
    EXPECT_TRUE(Is_Sim_To_Quarter_Set());
    Set_Sim_To_Quarter(0);
    EXPECT_FALSE(Is_Sim_To_Quarter_Set());
}

TEST(PlayLoop, LoopStopsWhenQuitIsRequestedAndDownDistanceRowsAreCapped) {
    Build_Test_League();
    Prepare_Game_Week(2, 77);
    Reset_Message_Queue();
    Request_Quit(0);
    GAME_RECORD* game = Play_Test_Game(5, 6, 2);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Is_Game_Over(game), 0) << "a quit ends the loop before the first snap";
    EXPECT_EQ(game->Play_Log_Count, 0);
    Reset_Message_Queue();

    int32_t before = Down_Distance_Counts[0][DOWN_DISTANCE_ROWS - 1];
    game = Crafted_Game(100, 0, 35, 70);
    game->Current_Play.Offensive_Play = 0;
    game->Current_Play.Defensive_Play = 0;
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Resolve_Play(game);
    EXPECT_EQ(Down_Distance_Counts[0][DOWN_DISTANCE_ROWS - 1], before + 1) << "35 to go counts in row 29";
}
