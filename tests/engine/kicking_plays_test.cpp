#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/game_names.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/announcer.h"
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

#include "engine/playbook_records.h"
#include "special_teams_test_game.h"

TEST(KickingPlays, PeriodKickoffGoesToTheTossWinnerAndSpot) {
    GAME_RECORD* game = Special_Teams_Game(0, 50, 0);
    Set_User_Preference(KICKOFF_SPOT_CODE, 1);
    game->Down_Word = COIN_TOSS_BIT;
    Start_Game_Period(game);
    EXPECT_EQ(game->Possession_Team, game->Team[1]) << "side 0 receives, so side 1 kicks";
    EXPECT_EQ(Get_Game_Down(game), KICKOFF_DOWN);
    EXPECT_EQ(game->Yards_To_Goal, 65);
    EXPECT_TRUE(Is_Clock_Stopped(game));
    game->Clock = 1800;
    Set_User_Preference(KICKOFF_SPOT_CODE, 0);
    Start_Game_Period(game);
    EXPECT_EQ(game->Possession_Team, game->Team[0]);
    EXPECT_EQ(game->Yards_To_Goal, 70);
    Set_User_Preference(KICKOFF_SPOT_CODE, 1);
}

TEST(KickingPlays, KickoffTouchbacksAndSquibs) {
    for (int rule = 0; rule < 2; ++rule) {
        int touchbacks = 0;
        for (int n = 0; n < 300; ++n) {
            GAME_RECORD* game = Special_Teams_Game(KICKOFF_DOWN, 65, 600, n == 0);
            Set_User_Preference(KICKOFF_TOUCHBACK_RULE, rule);
            game->Current_Play.Offensive_Play = KICKOFF_ROW_NORMAL;
            Seed_Random_Numbers(300 + n);
            Resolve_Kickoff(game);
            EXPECT_EQ(game->Possession_Team, game->Team[1]) << "the receivers have the ball";
            const int32_t result = Get_Current_Play_Result(game);
            if (result == RESULT_KICKOFF_TOUCHBACK) {
                ++touchbacks;
                EXPECT_EQ(game->Yards_To_Goal, rule == 1 ? 75 : 80);
                EXPECT_EQ(game->Snap_Yards, 0);
            } else if (result == RESULT_KICKOFF_RETURNED) {
                EXPECT_LT(game->Snap_Yards, game->Yards_To_Goal);
                EXPECT_GE(game->Snap_Yards, 1);
            } else {
                EXPECT_EQ(result, RESULT_KICKOFF_RETURN_TOUCHDOWN);
                EXPECT_EQ(game->Snap_Yards, game->Yards_To_Goal) << "a scoring return covers the field";
            }
        }
        EXPECT_GT(touchbacks, 0);
    }
    Set_User_Preference(KICKOFF_TOUCHBACK_RULE, 0);
    for (int n = 0; n < 300; ++n) {
        GAME_RECORD* game = Special_Teams_Game(KICKOFF_DOWN, 65, 600, n == 0);
        game->Current_Play.Offensive_Play = KICKOFF_ROW_SQUIB;
        Seed_Random_Numbers(900 + n);
        Resolve_Kickoff(game);
        ASSERT_NE(Get_Current_Play_Result(game), RESULT_KICKOFF_TOUCHBACK)
            << "a squib never reaches the end zone";
        if (Get_Current_Play_Result(game) == RESULT_KICKOFF_RETURNED) {
            EXPECT_LE(game->Yards_To_Goal, 93) << "a squib travels at most 58 yards";
        }
    }
}

TEST(KickingPlays, OnsideKickGoesToOneSideOrTheOther) {
    int kept = 0;
    for (int n = 0; n < 200; ++n) {
        GAME_RECORD* game = Special_Teams_Game(KICKOFF_DOWN, 65, 600, n == 0);
        Seed_Random_Numbers(40 + n);
        Resolve_Onside_Kick(game);
        const int32_t result = Get_Current_Play_Result(game);
        ASSERT_TRUE(result == RESULT_ONSIDE_RECOVERED_EXCLAIMED || result == RESULT_ONSIDE_RECOVERED);
        if (result == RESULT_ONSIDE_RECOVERED_EXCLAIMED) {
            ++kept;
            EXPECT_EQ(game->Possession_Team, game->Team[0]);
            EXPECT_GE(game->Yards_To_Goal, 65 - 24);
            EXPECT_LE(game->Yards_To_Goal, 65 - 10);
        } else {
            EXPECT_EQ(game->Possession_Team, game->Team[1]);
            EXPECT_GE(game->Yards_To_Goal, 45);
            EXPECT_LE(game->Yards_To_Goal, 59);
        }
        EXPECT_TRUE(Is_Clock_Stopped(game));
    }
    EXPECT_GT(kept, 20);
    EXPECT_LT(kept, 100);
}

TEST(KickingPlays, PuntsFromMidfieldAndNearTheGoal) {
    int touchbacks = 0;
    for (int n = 0; n < 400; ++n) {
        const int32_t from = n % 2 ? 30 : 60;
        GAME_RECORD* game = Special_Teams_Game(3, from, 600, n == 0);
        game->Current_Play.Offensive_Play = HARD_CODED_PUNT_PLAY;
        Seed_Random_Numbers(5000 + n);
        Resolve_Punt(game);
        EXPECT_EQ(game->Possession_Team, game->Team[1]);
        EXPECT_EQ(Get_Game_Down(game), PUNT_DOWN);
        const int32_t result = Get_Current_Play_Result(game);
        const int32_t distance = game->Current_Play.Yard1;
        EXPECT_LE(distance, from) << "a punt never travels past the goal line";
        if (result == RESULT_PUNT_TOUCHBACK) {
            ++touchbacks;
            EXPECT_EQ(game->Yards_To_Goal, 80);
        } else if (result == RESULT_PUNT_RETURNED && game->Current_Play.Yard2 == 0) {
            EXPECT_GE(from - distance, 10) << "no fair catch inside the 10";
        }
        EXPECT_EQ(game->Team_Stats[0][GAME_STAT_PUNTS], 1);
        EXPECT_EQ(game->Team_Totals[0][GAME_TOTAL_PUNT_YARDS], distance);
    }
    EXPECT_GT(touchbacks, 0) << "from the opponent's 30 some punts reach the end zone";
}

TEST(KickingPlays, PuntReturnsStayInRange) {
    Build_Test_League();
    Seed_Random_Numbers(8);
    for (int n = 0; n < 2000; ++n) {
        const int32_t yards = Get_Punt_Return_Yards(2, 10, 45);
        ASSERT_GE(yards, 1);
        ASSERT_LE(yards, RETURN_TOUCHDOWN_YARDS);
    }
}

TEST(KickingPlays, TheTeamKickingOffIsTheOneSaidToKickOff) {
    // Teams 1 and 2 of the crafted game, watched, team 1 kicking off.
    int32_t offence_lines = 0;
    for (int n = 0; n < 60; ++n) {
        GAME_RECORD* game = Special_Teams_Game(KICKOFF_DOWN, 65, 600, n == 0);
        if (n == 0) {
            Set_User_Preference(CURRENT_WEEK, 3);
            Set_User_Preference(SIMULATION_RUNNING, 1);
            Set_User_Preference(SIM_TO_QUARTER, 0);
            Schedule_Game(2, 1, 3, 6, 1300);
            Set_Game_PBP_Flag(2, 3, 1);
        }
        game->Current_Play.Offensive_Play = KICKOFF_ROW_NORMAL;
        Seed_Random_Numbers(40 + n);
        Clear_Commentary_Lines();
        Resolve_Kickoff(game);
        ASSERT_EQ(game->Current_Play.Events[0].Event_Id, 38) << "the game is watched";
        const std::string sentence = Commentary_Templates[38][game->Current_Play.Events[0].Sentence];
        char line[COMMENTARY_LINE_SIZE];
        Get_Commentary_Line(0, line);
        char kickers[FORMATTED_TEXT_SIZE], receivers[FORMATTED_TEXT_SIZE];
        const bool city = sentence.find("$OFFENSIVECITY") != std::string::npos;
        if (city) {
            Get_Team_Location_Name(1, kickers);
            Get_Team_Location_Name(2, receivers);
        } else {
            Get_Team_Display_Name(1, kickers);
            Get_Team_Display_Name(2, receivers);
        }
        if (!city && sentence.find("$OFFENSIVETEAM") == std::string::npos) continue;
        ++offence_lines;
        const std::string said = line;
        // A nickname comes with its article.
        const size_t named_at = said.find(kickers);
        EXPECT_TRUE(named_at == 0 || (named_at == 4 && said.compare(0, 4, "The ") == 0)) << said;
        if (sentence.find("$DEFENSIVE") == std::string::npos) {
            EXPECT_EQ(said.find(receivers), std::string::npos) << said;
        }
    }
    EXPECT_GT(offence_lines, 0) << "some lines name the kicking team";
}
