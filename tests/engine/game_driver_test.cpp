#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/modal_dialogs.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/saved_game.h"
#include "database/schedule_entries.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "engine/downs_and_clock.h"
#include "engine/game_driver.h"
#include "engine/play_loop.h"
#include "game_test_support.h"
#include "platform/message_queue.h"
#include "support/game_runner.h"
#include "support/test_league.h"

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

    // Zero overtime minutes does not leave the game without an end: the
    // period is a full quarter, as the quarter and period queries count it.
    Set_User_Preference(OVERTIME_MINUTES, 0);
    EXPECT_EQ(Is_Game_Over(game), 0) << "a full quarter of overtime is left";
    game->Clock = 4500;
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
    // Playoff mode 1: a field goal waits for the answer only while the period
    // runs; once it has run out the lead wins, answered or not.
    Set_User_Preference(PLAYOFF_OVERTIME_RULE, 1);
    game->Score[0] = 17;
    game->Score[1] = 20;
    game->Clock = 4000;
    game->Overtime_Possessions = 2;
    EXPECT_EQ(Is_Game_Over(game), 0) << "side 0 may still answer the field goal";
    game->Clock = 4500;
    EXPECT_EQ(Is_Game_Over(game), 1) << "the answering drive ran out of time";
    game->Overtime_Possessions = 3;
    EXPECT_EQ(Is_Game_Over(game), 1) << "both sides have had the ball";
    game->Score[1] = 17;
    EXPECT_EQ(Is_Game_Over(game), 0) << "a level playoff game plays on";

    Set_User_Preference(PLAYOFF_OVERTIME_RULE, 2);
    EXPECT_EQ(Get_Game_Time_Left(game), UNTIMED_OVERTIME_SECONDS);
}

TEST(GameDriver, GamesOnTheTestLeagueAreConsistentOverManySeeds) {
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        Build_Test_League();
        Prepare_Game_Week(3, seed);
        GAME_RECORD* game =
            Play_Test_Game(static_cast<int32_t>(seed % 16), static_cast<int32_t>(16 + seed % 16), 3);
        ASSERT_NE(game, nullptr);
        EXPECT_EQ(Is_Game_Over(game), 1) << "seed " << seed;
        EXPECT_GE(game->Clock, 3600) << "seed " << seed;
        EXPECT_LE(game->Play_Log_Count, MAX_PLAY_LOG_ENTRIES);
        for (int side = 0; side < 2; ++side)
            EXPECT_LE(game->Team_Totals[side][GAME_TOTAL_COMPLETIONS],
                      game->Team_Totals[side][GAME_TOTAL_PASS_ATTEMPTS])
                << "seed " << seed << " side " << side;
        int32_t points[2] = {0, 0};
        for (int i = 0; i < game->Play_Log_Count; ++i) {
            const PLAY_LOG_ENTRY& entry = game->Play_Log[i];
            uint32_t down = entry.Play_Word & 0xFF;
            int32_t to_goal = (entry.Play_Word >> 16) & 0xFF;
            if (down <= 3) {
                EXPECT_GE(to_goal, 1) << "seed " << seed << " snap " << i;
                EXPECT_LE(to_goal, 99) << "seed " << seed << " snap " << i;
            }
            Add_Logged_Points(entry, points);
        }
        if (game->Play_Log_Count < MAX_PLAY_LOG_ENTRIES) {
            EXPECT_EQ(points[0], game->Score[0]) << "seed " << seed;
            EXPECT_EQ(points[1], game->Score[1]) << "seed " << seed;
        }
        if (game->Clock > 3600 && Get_User_Preference(REGULAR_SEASON_OVERTIME_RULE) == 1 &&
            game->Score[0] != game->Score[1]) {
            int32_t margin = game->Score[0] - game->Score[1];
            // The side that trails must have had the ball (a turnover gives the
            // leader the ball without a possession of his own being counted).
            const int trailing = margin > 0 ? 1 : 0;
            bool answered = (game->Overtime_Possessions & (1 << trailing)) != 0;
            EXPECT_TRUE(answered || margin >= 6 || margin <= -6 || game->Clock >= 4200)
                << "a short overtime lead ends the game only once both sides had the ball, seed " << seed;
        }
    }
}

TEST(GameDriver, SameSeedAndLeagueGiveAByteIdenticalRecord) {
    std::vector<uint8_t> first(sizeof(GAME_RECORD));
    for (int run = 0; run < 2; ++run) {
        Build_Test_League();
        Prepare_Game_Week(5, 4242);
        GAME_RECORD* game = Play_Test_Game(7, 8, 5);
        ASSERT_NE(game, nullptr);
        const uint8_t* bytes = reinterpret_cast<const uint8_t*>(game);
        if (run == 0)
            first.assign(bytes, bytes + sizeof(GAME_RECORD));
        else
            EXPECT_TRUE(std::equal(first.begin(), first.end(), bytes)) << "the replayed game differs";
    }
}

TEST(GameDriver, InterruptedGameResumesFromASavedGame) {
    Build_Test_League();
    Prepare_Game_Week(4, 99);
    Stop_Advance_After_Snaps(60);
    GAME_RECORD* game = Play_Test_Game(10, 11, 4);
    ASSERT_NE(game, nullptr);
    int32_t index = static_cast<int32_t>(game - Universe.Games);
    EXPECT_EQ(Is_Game_Over(game), 0) << "the advance stopped midway";
    int16_t logged = game->Play_Log_Count;
    EXPECT_GT(logged, 0);
    EXPECT_EQ(Get_Team_Wins(10) + Get_Team_Losses(10) + Get_Team_Ties(10), 0) << "nothing booked yet";
    Reset_Message_Queue();

    Set_User_Preference(GAME_SAVED_MIDWAY, 1);
    ASSERT_EQ(Save_Game("midway.kor", nullptr), SAVE_OK);
    std::memset(&Universe.Games[index], 0, sizeof(GAME_RECORD));
    ASSERT_EQ(Load_Game("midway.kor"), 1);
    game = &Universe.Games[index];
    EXPECT_EQ(game->Play_Log_Count, logged) << "the half-played game came back";
    EXPECT_EQ(Get_User_Preference(GAME_SAVED_MIDWAY), 1);

    Set_User_Preference(SIMULATION_RUNNING, 1);
    Universe.Header.Target_Week = 5;
    ASSERT_EQ(Play_Game(10, 11, 4, game), 1) << "the resumed game reaches its end";
    Finish_Game(game, 4);
    EXPECT_EQ(Get_User_Preference(GAME_SAVED_MIDWAY), 0);
    EXPECT_GE(game->Play_Log_Count, logged);
    EXPECT_EQ(Is_Game_Over(game), 1);
    EXPECT_EQ(Get_Team_Wins(10) + Get_Team_Losses(10) + Get_Team_Ties(10), 1);
    std::remove("midway.kor");
}

TEST(GameDriver, InvalidTeamsAreRefusedAndNoRecordIsGiven) {
    Build_Test_League();
    Prepare_Game_Week(1, 5);
    EXPECT_EQ(Play_Game(1, 2, 1, nullptr), 0);
    EXPECT_EQ(Play_Game(35, 2, 1, &Universe.Games[0]), 0) << "slot 35 is empty in the test league";
    EXPECT_EQ(Play_Game(1, 99, 1, &Universe.Games[0]), 0);
}

TEST(GameDriver, SimulateAllSkipsThePreGameDialogForTheUsersTeam) {
    Build_Test_League();
    Prepare_Game_Week(1, 6);
    Set_Team_Stat(2, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    int32_t before = Count_Dialogs_Opened();
    Play_Test_Game(2, 3, 1);
    EXPECT_EQ(Count_Dialogs_Opened(), before) << "Simulate All is on";
    Set_User_Preference(SIMULATE_ALL_GAMES, 0);
    Play_Test_Game(2, 3, 1);
    EXPECT_EQ(Count_Dialogs_Opened(), before + 1);
    EXPECT_EQ(Get_Last_Dialog_Id(), PRE_GAME_MATCHUP_DIALOG);
}

TEST(GameDriver, DownAndDistanceFileListsThirtyRows) {
    Down_Distance_Counts[0][29] = 0;
    GAME_RECORD* game = Crafted_Game(100, 0, 35, 70);
    (void)game;
    Write_Down_And_Distance_File();
    FILE* file = std::fopen("DownAndDistance.csv", "r");
    ASSERT_NE(file, nullptr);
    char line[128];
    int lines = 0;
    ASSERT_NE(std::fgets(line, sizeof(line), file), nullptr);
    EXPECT_STREQ(line, "Distance,1st,2nd,3rd,4th\n");
    while (std::fgets(line, sizeof(line), file) != nullptr)
        ++lines;
    std::fclose(file);
    EXPECT_EQ(lines, 30);
}

TEST(GameDriver, FinishedGameClearsTheWatchFlagOfTheFirstListedTeam) {
    Build_Test_League();
    Prepare_Game_Week(3, 17);
    GAME_RECORD* game = Play_Test_Game(4, 5, 3);
    ASSERT_NE(game, nullptr);
    ASSERT_EQ(Is_Game_Over(game), 1);
    Set_Game_PBP_Flag(5, 3, 1);
    ASSERT_EQ(Get_Team_Week_Schedule_Stat_1(4, 3), 1) << "both teams read the one flag";
    ASSERT_EQ(Get_Team_Week_Schedule_Stat_1(5, 3), 1);
    Finish_Game(game, 3);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(4, 3), 0);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(5, 3), 0);

    Set_Game_PBP_Flag(4, 3, 1);
    Finish_Game(game, 22);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(4, 3), 1) << "a week past the schedule touches nothing";
}

TEST(GameDriver, AGameEndedByAnOvertimeTouchdownCountsForEveryoneWhoPlayed) {
    Build_Test_League();
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 3);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_FLAG, 1);
    Set_User_Preference(REGULAR_SEASON_OVERTIME_RULE, 0);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof *game);
    game->Team[0] = 1;
    game->Team[1] = 2;
    game->Week = 3;
    game->Possession_Team = 1;
    game->Clock = 3900;
    game->Score[0] = 30;
    game->Score[1] = 24;
    // The touchdown's try is still to be run (a play from scrimmage called).
    game->Down_Word = CONVERSION_ATTEMPT;
    game->Current_Play.Offensive_Play = 0;
    ASSERT_EQ(Is_Game_Over(game), 1);
    for (int32_t team : {1, 2})
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) Set_Player_Vital_Stat(team, slot, 27, team == 1 && slot < 3);
    const int32_t played = Get_Player_Stat(1, 0, SEASON_THIS, 0);
    const int32_t played_line = Get_Player_Current_Season_Line_Stat(1, 0, 0);
    const int32_t benched = Get_Player_Stat(1, 3, SEASON_THIS, 0);
    Finish_Game(game, 3);
    EXPECT_EQ(Get_Player_Stat(1, 0, SEASON_THIS, 0), played + 1);
    EXPECT_EQ(Get_Player_Current_Season_Line_Stat(1, 0, 0), played_line + 1);
    EXPECT_EQ(Get_Player_Stat(1, 3, SEASON_THIS, 0), benched) << "he did not take the field";
    EXPECT_EQ(Get_Team_Wins(1), 1);
}

TEST(GameDriver, WorkTableFlagZeroesBothBuffersEvenUnused) {
    char* first = Get_Play_By_Play_Work_Buffer(0);
    char* second = Get_Play_By_Play_Work_Buffer(1);
    Set_Work_Tables_Flag();
    // Written without being handed out again: the end of a game leaves them.
    first[5] = 'z';
    second[PBP_SECOND_WORK_BUFFER_SIZE - 1] = 'w';
    Clear_Play_By_Play_Work_Buffers();
    EXPECT_TRUE(Work_Tables_Flag == 1 && first[5] == 'z');
    Clear_Work_Tables_Flag();
    EXPECT_TRUE(Work_Tables_Flag == 0 && first[5] == 0 && second[PBP_SECOND_WORK_BUFFER_SIZE - 1] == 0);
}
