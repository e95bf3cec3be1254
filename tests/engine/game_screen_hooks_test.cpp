#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/announcer.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "platform/message_queue.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

constexpr int32_t WEEK = 2;
constexpr uint32_t SCRIPT_TIMER = 0x5C1;

int32_t Script_Offense_Calls = 0;
int32_t Script_Defense_Calls = 0;
int32_t Script_Lines = 0;
bool Quit_On_First_Wait = false;

// Stands in for the game screen: points at a play and calls it, as a click on
// the play list does. Also counts the announcer lines of each snap.
void Scripted_Game_Screen(WINDOW_HANDLE, uint32_t, uint32_t) {
    GAME_RECORD* game = Current_Game;
    if (game == nullptr) return;
    const int32_t state = Get_Play_Call_State();
    if (state == 4) return;
    if (Quit_On_First_Wait) {
        Request_Quit(0);
        return;
    }
    char line[COMMENTARY_LINE_SIZE];
    Get_Commentary_Line(0, line);
    if (line[0] != '\0') ++Script_Lines;
    if (state == 1 || state == 3) {
        int32_t call = 0;
        if (state == 1)
            call = Get_Game_Down(game) == 3 ? HARD_CODED_PUNT_PLAY : 10 * (Script_Offense_Calls % 4);
        if (Get_Game_Down(game) == CONVERSION_ATTEMPT) call = HARD_CODED_FIELD_GOAL_PLAY;
        Set_User_Preference(PBP_OFFENSIVE_PLAY, call);
        game->Current_Play.Offensive_Play = static_cast<uint8_t>(call);
        ++Script_Offense_Calls;
    } else {
        const int32_t call = Get_User_Preference(DEFENSIVE_PLAY_PAGE) * 10;
        Set_User_Preference(PBP_DEFENSIVE_PLAY, call);
        game->Current_Play.Defensive_Play = static_cast<uint8_t>(call);
        ++Script_Defense_Calls;
    }
}

void Prepare_Watched_Game(uint32_t seed) {
    Build_Test_League();
    Reset_Message_Queue();
    Prepare_Game_Week(WEEK, seed);
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 0;
    Set_Team_Stat(4, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Schedule_Test_Game(4, 5, WEEK);
    Set_Game_PBP_Flag(4, WEEK, 1);
    Script_Offense_Calls = Script_Defense_Calls = Script_Lines = 0;
    Set_Window_Timer(NO_WINDOW, SCRIPT_TIMER, 1, Scripted_Game_Screen);
}

} // namespace

TEST(GameScreenHooks, PlayCallStateFollowsTheStoredCalls) {
    Build_Test_League();
    Current_Game = nullptr;
    EXPECT_EQ(Get_Play_Call_State(), 0) << "no game";
    EXPECT_EQ(Draw_Scoreboard(nullptr), 0);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 1;
    game->Team[1] = 2;
    game->Possession_Team = 1;
    game->Down_Word = KICKOFF_DOWN;
    Clear_Current_Play(game);
    Current_Game = game;
    EXPECT_EQ(Get_Play_Call_State(), 3) << "kickoff to call";
    Set_Game_Down(game, 1);
    EXPECT_EQ(Get_Play_Call_State(), 1);
    game->Current_Play.Offensive_Play = 4;
    EXPECT_EQ(Get_Play_Call_State(), 2);
    game->Current_Play.Defensive_Play = 7;
    EXPECT_EQ(Get_Play_Call_State(), 4);

    // The computer fills what the computer calls, and only turns the page of
    // a side the user calls.
    Clear_Current_Play(game);
    Auto_Select_Play_Calls();
    EXPECT_NE(game->Current_Play.Offensive_Play, NO_PLAY_CALL);
    EXPECT_NE(game->Current_Play.Defensive_Play, NO_PLAY_CALL);
    Clear_Current_Play(game);
    Set_Team_Stat(1, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(OFFENSIVE_PLAY_PAGE, -1);
    Auto_Select_Play_Calls();
    EXPECT_EQ(game->Current_Play.Offensive_Play, NO_PLAY_CALL) << "the user still calls his offence";
    EXPECT_GE(Get_User_Preference(OFFENSIVE_PLAY_PAGE), 0);
    EXPECT_NE(game->Current_Play.Defensive_Play, NO_PLAY_CALL);
    Current_Game = nullptr;

    EXPECT_EQ(Valid_Receiving_Route(55), 1);
    EXPECT_EQ(Valid_Receiving_Route(54), 0);
}

TEST(GameScreenHooks, WatchFlagMakesAGamePlayByPlay) {
    Build_Test_League();
    Prepare_Game_Week(WEEK, 1);
    Schedule_Test_Game(4, 5, WEEK);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 5;
    game->Team[1] = 4;
    EXPECT_EQ(Is_Game_Play_By_Play(game), 0);
    Set_Game_PBP_Flag(4, WEEK, 1);
    EXPECT_EQ(Is_Game_Play_By_Play(game), 1);
    Set_User_Preference(SIMULATION_RUNNING, 0);
    EXPECT_EQ(Is_Game_Play_By_Play(game), 0) << "only while the calendar advances";
}

TEST(GameScreenHooks, WatchedGameWithScriptedCallsPlaysToTheEndWithCommentary) {
    Prepare_Watched_Game(21);
    GAME_RECORD* game = Play_Test_Game(4, 5, WEEK);
    Kill_Window_Timer(NO_WINDOW, SCRIPT_TIMER);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Is_Game_Over(game), 1) << "the watched game runs to its end";
    EXPECT_EQ(Current_Game, nullptr);
    EXPECT_GT(Script_Offense_Calls, 10) << "the user's offence was asked";
    EXPECT_GT(Script_Defense_Calls, 10) << "the user's defence was asked";
    EXPECT_GT(Script_Lines, 10) << "the announcer spoke";
    int32_t queued = 0;
    for (int32_t i = 0; i < game->Play_Log_Count; ++i)
        for (const auto& slot : game->Play_Log[i].Events)
            if (slot.Event_Id >= 0 && slot.Event_Id < COMMENTARY_EVENTS) ++queued;
    EXPECT_GT(queued, game->Play_Log_Count) << "several events per snap are kept in the log";
    Reset_Message_Queue();
}

TEST(GameScreenHooks, QuittingDuringTheWaitEndsTheGameLoop) {
    Prepare_Watched_Game(22);
    Quit_On_First_Wait = true;
    GAME_RECORD* game = Play_Test_Game(4, 5, WEEK);
    Quit_On_First_Wait = false;
    Kill_Window_Timer(NO_WINDOW, SCRIPT_TIMER);
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(Is_Quit_Requested());
    EXPECT_EQ(Is_Game_Over(game), 0) << "the game stops where it was";
    EXPECT_LE(game->Play_Log_Count, 1) << "no snap runs after the quit";
    Reset_Message_Queue();
    Current_Game = nullptr;
}
