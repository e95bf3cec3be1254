#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "engine/game_files.h"
#include "engine/game_injuries.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/log_rows.h"
#include "engine/play_text.h"
#include "support/game_output_support.h"
#include "support/test_league.h"

TEST(PlayText, DownAndFieldPositionTexts) {
    GAME_RECORD* game = Build_Output_Test_Game();
    char text[256];
    game->Down_Word = 2;
    game->Yards_To_Go = 12;
    game->Yards_To_Goal = 8;
    Get_Down_Text(game, text, sizeof text);
    EXPECT_STREQ(text, "3rd and goal");
    Get_Field_Position_Text(game, text, sizeof text);
    std::string position = text;
    EXPECT_NE(position.find(" 8-yard-line"), std::string::npos) << position;
    Get_Short_Down_Text(game, text, 0, sizeof text);
    EXPECT_STREQ(text, "3-G");

    game->Down_Word = 0;
    game->Yards_To_Go = 10;
    game->Yards_To_Goal = 50;
    Get_Down_Text(game, text, sizeof text);
    EXPECT_STREQ(text, "1st and 10");
    Get_Field_Position_Text(game, text, sizeof text);
    EXPECT_STREQ(text, "50-yard-line");
    Get_Short_Field_Position_Text(game, text, sizeof text);
    EXPECT_STREQ(text, "(--  50)");

    game->Down_Word = KICKOFF_DOWN;
    Get_Short_Down_Text(game, text, 1, sizeof text);
    EXPECT_STREQ(text, "Kickoff");
    game->Down_Word = CONVERSION_ATTEMPT;
    Get_Down_Text(game, text, sizeof text);
    EXPECT_STREQ(text, "Conversion attempt");
}

// The clock, down and yard-line labels of a snap read the same in a buffer
// that holds them whole as in one that cuts them, up to the cut.
TEST(PlayText, ShortLabelsReadTheSameWholeAndCut) {
    GAME_RECORD* game = Build_Output_Test_Game();
    struct LABEL {
        const char* name;
        void (*write)(const GAME_RECORD*, char*, int);
    };
    const LABEL labels[3] = {
        {"clock", [](const GAME_RECORD* g, char* t, int n) { Format_Game_Clock(g, 0, t, n); }},
        {"down", [](const GAME_RECORD* g, char* t, int n) { Get_Short_Down_Text(g, t, 0, n); }},
        {"yard line", [](const GAME_RECORD* g, char* t, int n) { Get_Short_Field_Position_Text(g, t, n); }}};
    const int8_t to_go[3] = {10, -3, 120};
    const int8_t to_goal[3] = {8, 75, 126};
    for (int i = 0; i < 3; ++i) {
        game->Down_Word = static_cast<uint32_t>(i);
        game->Yards_To_Go = to_go[i];
        game->Yards_To_Goal = to_goal[i];
        game->Clock = static_cast<int16_t>(37 + 1000 * i);
        for (const LABEL& label : labels) {
            char whole[256];
            label.write(game, whole, sizeof whole);
            ASSERT_GT(std::strlen(whole), 2u) << label.name;
            for (int size = 1; size <= 16; ++size) {
                char cut[16];
                label.write(game, cut, size);
                EXPECT_EQ(std::string(cut), std::string(whole).substr(0, static_cast<size_t>(size - 1)))
                    << label.name << ", buffer of " << size;
            }
        }
    }
    game->Down_Word = 1;
    game->Yards_To_Go = 7;
    game->Yards_To_Goal = 30;
    game->Clock = 900 - 125;
    char text[64];
    Format_Game_Clock(game, 0, text, sizeof text);
    EXPECT_STREQ(text, "2:05");
    Get_Short_Down_Text(game, text, 0, sizeof text);
    EXPECT_STREQ(text, "2-7");
}

TEST(PlayText, SummarySentences) {
    GAME_RECORD* game = Build_Output_Test_Game();
    char text[512];
    PLAY_LOG_ENTRY entry{};
    int32_t returner = Test_League_Player_ID(1, Test_League_Slot(POSITION_WR, 1));
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(1, Test_League_Slot(POSITION_WR, 1), name);
    entry.First_Player_Id = returner;
    entry.Second_Player_Id = -1;
    entry.Yard1 = 44;
    entry.Yard2 = 0;
    entry.Play_Word = static_cast<uint32_t>(RESULT_PUNT_RETURNED) << PLAY_WORD_RESULT_SHIFT;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_EQ(std::string(text), "44-yard punt - Fair catch by " + std::string(name));
    entry.Yard2 = 9;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_EQ(std::string(text), "44-yard punt returned 9 yards by " + std::string(name));

    entry.Play_Word = static_cast<uint32_t>(RESULT_RUN_LEFT) << PLAY_WORD_RESULT_SHIFT;
    entry.Yard1 = 1;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_EQ(std::string(text), std::string(name) + " rushes left for 1 yard");
    entry.Yard1 = -4;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_EQ(std::string(text), std::string(name) + " rushes left for a 4-yard loss");

    entry.Play_Word = static_cast<uint32_t>(RESULT_PENALTY) << PLAY_WORD_RESULT_SHIFT;
    entry.Yard1 = 15;
    entry.Yard2 = 3;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_NE(std::string(text).find("(Roughing The Passer): 15 yards"), std::string::npos) << text;

    entry.Play_Word = static_cast<uint32_t>(RESULT_NOT_RESOLVED) << PLAY_WORD_RESULT_SHIFT;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_STREQ(text, "UNHANDLED nResult (32) in PLAY");

    char small[8];
    entry.Play_Word = static_cast<uint32_t>(RESULT_PUNT_TOUCHBACK) << PLAY_WORD_RESULT_SHIFT;
    Write_Play_Summary_Sentence(game, &entry, small, sizeof small);
    EXPECT_STREQ(small, "Punt we") << "bounded by the caller's buffer";
}

TEST(PlayText, SentencesNameTheFirstPlayerFirst) {
    // The resolvers store the passer (or carrier, returner) as the first player
    // and the receiver, sacker, defender or recoverer as the second.
    GAME_RECORD* game = Build_Output_Test_Game();
    char text[512];
    char passer[PLAYER_NAME_TEXT_SIZE];
    char receiver[PLAYER_NAME_TEXT_SIZE];
    char defender[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(0, Test_League_Slot(POSITION_QB, 0), passer);
    Get_Player_Full_Name(0, Test_League_Slot(POSITION_WR, 0), receiver);
    Get_Player_Full_Name(1, Test_League_Slot(POSITION_CB, 0), defender);
    const std::string p = passer, r = receiver, d = defender;
    PLAY_LOG_ENTRY entry{};
    auto sentence = [&](int32_t result, int32_t second_id, int32_t yards) {
        entry.First_Player_Id = Test_League_Player_ID(0, Test_League_Slot(POSITION_QB, 0));
        entry.Second_Player_Id = second_id;
        entry.Yard1 = static_cast<int8_t>(yards);
        entry.Play_Word = static_cast<uint32_t>(result) << PLAY_WORD_RESULT_SHIFT;
        Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
        return std::string(text);
    };
    const int32_t receiver_id = Test_League_Player_ID(0, Test_League_Slot(POSITION_WR, 0));
    const int32_t defender_id = Test_League_Player_ID(1, Test_League_Slot(POSITION_CB, 0));
    EXPECT_EQ(sentence(RESULT_INCOMPLETE_PASS, receiver_id, 0), p + " incomplete to " + r);
    EXPECT_EQ(sentence(RESULT_COMPLETED_PASS, receiver_id, 12), p + " 12-yard pass to " + r);
    EXPECT_EQ(sentence(RESULT_COMPLETED_PASS, receiver_id, 0), p + " pass to " + r + " for no gain");
    EXPECT_EQ(sentence(RESULT_TOUCHDOWN_PASS, receiver_id, 25), p + " 25-yard TD pass to " + r);
    EXPECT_EQ(sentence(RESULT_SACK, defender_id, -7), p + " sacked by " + d + " for 7-yard loss");
    EXPECT_EQ(sentence(RESULT_PASS_FUMBLE, defender_id, -3), p + " fumble recovered by " + d);
    EXPECT_EQ(sentence(RESULT_INTERCEPTION, defender_id, 4), p + " pass intercepted by " + d)
        << "the entry holds no receiver, so the sentence names none";
    EXPECT_EQ(sentence(RESULT_PASS_KNOCKED_DOWN, defender_id, 0), p + " pass knocked down by " + d);
    EXPECT_EQ(sentence(RESULT_INTERCEPTION_TOUCHDOWN, defender_id, 60), d + " returns interception for a TD!")
        << "the interceptor, not the passer, scores";
    EXPECT_EQ(sentence(RESULT_SAFETY, defender_id, -2), p + " tackled by " + d + " for a safety");
    EXPECT_EQ(sentence(RESULT_SAFETY, -1, -1), p + " downed for a safety") << "a kneel-down has no tackler";

    // A kickoff return reads its yard line from the entry, not from the game's
    // later position.
    game->Yards_To_Goal = 99;
    entry.First_Player_Id = receiver_id;
    entry.Second_Player_Id = -1;
    entry.Play_Word = static_cast<uint32_t>(RESULT_KICKOFF_RETURNED) << PLAY_WORD_RESULT_SHIFT;
    entry.Yard1 = 28;
    entry.Yard2 = 72;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_EQ(std::string(text), r + " returns kickoff 28 yards to his 28");
    entry.Yard1 = 61;
    entry.Yard2 = 39;
    Write_Play_Summary_Sentence(game, &entry, text, sizeof text);
    EXPECT_EQ(std::string(text), r + " returns kickoff to opponent's 39!");
}

TEST(PlayText, ScoreLineFollowsTheConversionNotTheTouchdown) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Clear_Game_Text_Buffers();
    game->Current_Play.First_Player_Id = Test_League_Player_ID(0, Test_League_Slot(POSITION_RB, 0));
    game->Current_Play.Yard1 = 3;
    game->Current_Play.Play_Word = static_cast<uint32_t>(RESULT_TOUCHDOWN_RUN) << PLAY_WORD_RESULT_SHIFT;
    game->Score[0] = 6;
    Finish_Play_Log_Row(game);
    EXPECT_EQ(Get_Plain_Play_Text().find("<><>"), std::string::npos);
    game->Current_Play.Play_Word = static_cast<uint32_t>(RESULT_EXTRA_POINT_GOOD) << PLAY_WORD_RESULT_SHIFT;
    game->Score[0] = 7;
    Finish_Play_Log_Row(game);
    EXPECT_NE(Get_Plain_Play_Text().find(" 7 / "), std::string::npos);
    EXPECT_NE(Get_Play_By_Play_HTML().find("<TR class=subhead0>"), std::string::npos);
}

// A snap's two log rows read the same whether the buffer holds them whole or
// cuts them, up to the cut, and the page and the plain text get them whole.
TEST(PlayText, LogRowsReadTheSameWholeAndCut) {
    GAME_RECORD* game = Build_Output_Test_Game();
    Set_Team_String("A&M \"Aggies\" <1>", game->Possession_Team, 1);
    game->Down_Word = 2;
    game->Yards_To_Go = 4;
    game->Yards_To_Goal = 63;
    for (int html = 0; html < 2; ++html) {
        char whole[TEXT_BUFFER_SIZE];
        Compose_Play_Log_Row(game, html, whole, sizeof whole);
        const std::string row = whole;
        ASSERT_GT(row.size(), 40u);
        EXPECT_NE(row.find(html ? "A&amp;M &quot;Aggies&quot; &lt;1&gt;" : "A&M \"Aggies\" <1>"),
                  std::string::npos)
            << row;
        for (size_t size = 1; size <= row.size() + 1; ++size) {
            char cut[TEXT_BUFFER_SIZE];
            Compose_Play_Log_Row(game, html, cut, static_cast<int>(size));
            ASSERT_EQ(std::string(cut), row.substr(0, size - 1)) << "buffer of " << size;
        }
    }
    Clear_Game_Text_Buffers();
    Append_Play_Log_Rows(game);
    char row[TEXT_BUFFER_SIZE];
    Compose_Play_Log_Row(game, 1, row);
    EXPECT_EQ(Get_Play_By_Play_HTML(), std::string(row));
    Compose_Play_Log_Row(game, 0, row);
    EXPECT_EQ(Get_Plain_Play_Text(), std::string(row));
}

// The plain play text is for the game screen: a simulated game nobody
// watches writes only its page, and one being watched writes both.
TEST(PlayText, PlainTextIsKeptOnlyForAWatchedGame) {
    GAME_RECORD* game = Build_Output_Test_Game();
    const int32_t week = Get_Current_Week();
    // The away team's entry of the week lists it first against the home team.
    Set_Team_Schedule_Stat(game->Team[0], week, SCHEDULE_OPPONENT, game->Team[1] + 1);
    Set_Team_Schedule_Stat(game->Team[0], week, SCHEDULE_WATCH_FLAG, 0);
    Set_User_Preference(SIMULATION_RUNNING, 1);
    // A period's header, a snap's rows and sentence, and an injury line.
    auto write_snap_text = [game] {
        Clear_Game_Text_Buffers();
        Write_Period_Header(game, 1);
        Append_Play_Log_Rows(game);
        Finish_Play_Log_Row(game);
        Write_Injury_Log_Line(game, game->Team[0], 0);
    };
    ASSERT_EQ(Is_Game_Play_By_Play(game), 0);
    write_snap_text();
    EXPECT_TRUE(Get_Plain_Play_Text().empty()) << Get_Plain_Play_Text();
    const std::string page = Get_Play_By_Play_HTML();
    EXPECT_NE(page.find("</TD></TR>\r"), std::string::npos) << page;

    Set_Team_Schedule_Stat(game->Team[0], week, SCHEDULE_WATCH_FLAG, 1);
    ASSERT_NE(Is_Game_Play_By_Play(game), 0);
    write_snap_text();
    EXPECT_EQ(Get_Play_By_Play_HTML(), page) << "the page reads the same watched or not";
    EXPECT_NE(Get_Plain_Play_Text().find("\r\n"), std::string::npos) << Get_Plain_Play_Text();
    EXPECT_NE(Get_Plain_Play_Text().find("was injured on the play >>"), std::string::npos);
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Clear_Game_Text_Buffers();
}

TEST(PlayText, PlayLogHoldsAtMost256Snaps) {
    GAME_RECORD* game = Build_Output_Test_Game();
    for (int i = 0; i < MAX_PLAY_LOG_ENTRIES; ++i)
        EXPECT_EQ(Append_Play_To_Log(game), 1);
    EXPECT_EQ(Append_Play_To_Log(game), 0) << "the 257th snap is not logged";
    EXPECT_EQ(game->Play_Log_Count, MAX_PLAY_LOG_ENTRIES);
}

TEST(GameScreenHooks, RoutesAndCallStateWithoutAGame) {
    EXPECT_EQ(Valid_Receiving_Route(55), 1);
    EXPECT_EQ(Valid_Receiving_Route(54), 0);
    EXPECT_EQ(Valid_Receiving_Route(36), 1);
    EXPECT_EQ(Get_Pass_Route_Value(6), 40);
    EXPECT_EQ(Get_Pass_Route_Value(99), 25);
    GAME_RECORD* saved = Current_Game;
    Current_Game = nullptr;
    EXPECT_EQ(Get_Play_Call_State(), 0);
    Current_Game = saved;
}
