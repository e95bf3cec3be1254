#include <gtest/gtest.h>

#include "platform/message_box.h"

#include <cstring>
#include <vector>

#include "app/main_window.h"

#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/offensive_play_calling.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "platform/message_queue.h"
#include "platform/window_messages.h"
#include "platform/windows.h"
#include "support/game_day_fixture.h"
#include "support/game_runner.h"
#include "support/test_league.h"
#include "views/game_day_view.h"

namespace {

constexpr int32_t WEEK = 2;
constexpr uint32_t SCRIPT_TIMER = 0x5C2;

int32_t Snaps_Asked = 0;
int32_t Texts_Left_Over = 0;
int32_t Fourth_Downs_Asked = 0;
int32_t Fourth_Down_Defence_Taken = 0;

// A game screen on which the user calls both sides. On the first question of
// each snap it notes what the loop left in the play and in the screen's text
// lines, then writes the lines as the screen would.
void Two_User_Screen(WINDOW_HANDLE, uint32_t, uint32_t) {
    GAME_RECORD* game = Current_Game;
    if (game == nullptr) return;
    PLAY_LOG_ENTRY& play = game->Current_Play;
    const int32_t state = Get_Play_Call_State();
    if (state == 4) return;
    if (state == 1 || state == 3) {
        ++Snaps_Asked;
        if (Game_Screen_Texts[0][0] != '\0' || Game_Screen_Texts[1][0] != '\0') ++Texts_Left_Over;
        std::strcpy(Game_Screen_Texts[0], "Shown before the call");
        std::strcpy(Game_Screen_Texts[1], "Second line");
        const uint32_t down = Get_Game_Down(game);
        if (down == 3) {
            ++Fourth_Downs_Asked;
            if (play.Defensive_Play != NO_PLAY_CALL) ++Fourth_Down_Defence_Taken;
        }
        int32_t call = down == 3 ? 10 : 10 * (Snaps_Asked % 4);
        if (down == CONVERSION_ATTEMPT) call = HARD_CODED_FIELD_GOAL_PLAY;
        if (state == 3) call = 0;
        Set_User_Preference(PBP_OFFENSIVE_PLAY, call);
        play.Offensive_Play = static_cast<uint8_t>(call);
        return;
    }
    const int32_t call = Get_User_Preference(DEFENSIVE_PLAY_PAGE) * 10;
    Set_User_Preference(PBP_DEFENSIVE_PLAY, call);
    play.Defensive_Play = static_cast<uint8_t>(call);
}

// Fourth and 20 at the offence's own 20 between two human teams.
GAME_RECORD* Fourth_And_Long(int32_t offense, int32_t defense) {
    Build_Test_League();
    Set_Default_Playbooks(offense);
    Set_Default_Playbooks(defense);
    Set_Team_Stat(offense, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Stat(defense, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
    Set_User_Preference(AUTO_CALL_OFFENSE, 0);
    Set_User_Preference(AUTO_CALL_DEFENSE, 0);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof *game);
    game->Team[0] = static_cast<uint8_t>(offense);
    game->Team[1] = static_cast<uint8_t>(defense);
    game->Possession_Team = static_cast<uint8_t>(offense);
    game->Timeouts[0] = game->Timeouts[1] = 3;
    game->Clock = 300;
    game->Yards_To_Goal = 80;
    game->Yards_To_Go = 20;
    game->Down_Word = 3;
    for (auto& side : game->On_Field)
        for (auto& slot : side)
            slot = 255;
    Clear_Current_Play(game);
    Current_Game = game;
    return game;
}

} // namespace

// The defence is asked whenever the offensive call in the play is not a punt
// or field goal, whatever the computer would have called for the offence.
TEST(WatchedSnapCalls, AutoSelectTestsTheStandingOffensiveCall) {
    GAME_RECORD* game = Fourth_And_Long(1, 2);
    ASSERT_EQ(Get_Offensive_Play_Type(1, Choose_Offensive_Play(game)), PLAY_TYPE_PUNT)
        << "the computer's suggestion here is a punt";

    Clear_Current_Play(game);
    Set_User_Preference(DEFENSIVE_PLAY_PAGE, -1);
    Auto_Select_Play_Calls();
    EXPECT_EQ(game->Current_Play.Offensive_Play, NO_PLAY_CALL) << "the user still calls his offence";
    EXPECT_EQ(game->Current_Play.Defensive_Play, NO_PLAY_CALL)
        << "an open offensive call leaves the defence to the user";
    EXPECT_GE(Get_User_Preference(DEFENSIVE_PLAY_PAGE), 0) << "the defence's list turns to the suggestion";

    Clear_Current_Play(game);
    game->Current_Play.Offensive_Play = 4;
    Set_User_Preference(DEFENSIVE_PLAY_PAGE, -1);
    Auto_Select_Play_Calls();
    EXPECT_EQ(game->Current_Play.Defensive_Play, NO_PLAY_CALL)
        << "a called run leaves the defence to the user";
    EXPECT_GE(Get_User_Preference(DEFENSIVE_PLAY_PAGE), 0);

    Clear_Current_Play(game);
    game->Current_Play.Offensive_Play = HARD_CODED_PUNT_PLAY;
    Auto_Select_Play_Calls();
    EXPECT_NE(game->Current_Play.Defensive_Play, NO_PLAY_CALL) << "against a called punt the computer calls";
    Current_Game = nullptr;
}

// In a watched game between two users' teams each snap first empties the game
// screen's text lines, and a fourth down asks the defence as long as the
// offence has not called a kick.
TEST(WatchedSnapCalls, WatchedSnapClearsTheScreenTextsAndAsksTheDefenceOnFourthDown) {
    Build_Test_League();
    Reset_Message_Queue();
    Prepare_Game_Week(WEEK, 31);
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 0;
    Set_Team_Stat(4, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Team_Stat(5, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Schedule_Test_Game(4, 5, WEEK);
    Set_Game_PBP_Flag(4, WEEK, 1);
    Set_User_Preference(TWO_POINT_CONVERSION_RULE, 1);
    Clear_Shown_Messages();
    Snaps_Asked = Texts_Left_Over = Fourth_Downs_Asked = Fourth_Down_Defence_Taken = 0;
    std::strcpy(Game_Screen_Texts[0], "Left from an earlier game");
    Set_Window_Timer(NO_WINDOW, SCRIPT_TIMER, 1, Two_User_Screen);
    GAME_RECORD* game = Play_Test_Game(4, 5, WEEK);
    Kill_Window_Timer(NO_WINDOW, SCRIPT_TIMER);
    Reset_Message_Queue();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Is_Game_Over(game), 1);
    EXPECT_GT(Snaps_Asked, 50);
    EXPECT_EQ(Texts_Left_Over, 0) << "every watched snap starts with empty screen texts";
    EXPECT_GT(Fourth_Downs_Asked, 0);
    EXPECT_EQ(Fourth_Down_Defence_Taken, 0) << "the defence was not left to the user on a fourth down";
    // Each try after a touchdown asks the user's scoring team (unanswered: kick).
    int32_t touchdowns = 0, questions = 0;
    for (int32_t i = 0; i < game->Play_Log_Count && i < MAX_PLAY_LOG_ENTRIES; ++i) {
        const int32_t result = Get_Play_Result(game->Play_Log[i].Play_Word);
        if (result == RESULT_EXTRA_POINT_GOOD || result == RESULT_EXTRA_POINT_MISSED) ++touchdowns;
    }
    for (const SHOWN_MESSAGE& shown : Get_Shown_Messages())
        if (shown.Caption == "Point After Touchdown" && shown.Text == "Go For Two?") ++questions;
    EXPECT_GT(touchdowns, 0);
    EXPECT_EQ(questions, touchdowns) << "one question per try, each answered by kicking";
    Current_Game = nullptr;
}

namespace {

// What the game screen showed each time the main window painted while a
// game was being played: the snaps logged, the calls standing in the current
// play, its result (32 until it is played) and the two play-list pages.
struct PAINT_SEEN {
    int32_t Snaps;
    int32_t Offense;
    int32_t Defense;
    int32_t Result;
    int32_t Offense_Page;
    int32_t Defense_Page;
    uint32_t Down;
};
std::vector<PAINT_SEEN> Paints_Seen;
WINDOW_PROCEDURE Main_Window_Procedure = nullptr;

intptr_t Record_Paint(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_PAINT && Current_Game != nullptr) {
        const PLAY_LOG_ENTRY& play = Current_Game->Current_Play;
        Paints_Seen.push_back({Current_Game->Play_Log_Count, play.Offensive_Play, play.Defensive_Play,
                               Get_Current_Play_Result(Current_Game),
                               Get_User_Preference(OFFENSIVE_PLAY_PAGE),
                               Get_User_Preference(DEFENSIVE_PLAY_PAGE), Get_Game_Down(Current_Game)});
    }
    return Call_Window_Procedure(Main_Window_Procedure, window, code, wparam, lparam);
}

void Record_Main_Window_Paints() {
    Paints_Seen.clear();
    Main_Window_Procedure = Subclass_Window(Main_Window, Record_Paint);
}

// The user calls every play of his side from the game screen's lists and
// stops the calendar once a few snaps are played. Notes the logged snaps at
// which his call completed the snap's calls.
struct CALLER {
    int32_t Snaps_To_Play = 0;
    std::vector<int32_t> Completed_At;
};

void Call_Each_Play(void* context) {
    CALLER* caller = static_cast<CALLER*>(context);
    GAME_RECORD* game = Current_Game;
    if (game == nullptr) return;
    if (game->Play_Log_Count >= caller->Snaps_To_Play) {
        Set_User_Preference(SIMULATION_RUNNING, 0);
        return;
    }
    PLAY_LOG_ENTRY& play = game->Current_Play;
    const int32_t state = Get_Play_Call_State();
    if (state == 1 || state == 3) {
        int32_t call = state == 3 ? 0 : Get_User_Preference(OFFENSIVE_PLAY_PAGE) * 10;
        if (Get_Game_Down(game) == CONVERSION_ATTEMPT) call = HARD_CODED_FIELD_GOAL_PLAY;
        Set_User_Preference(PBP_OFFENSIVE_PLAY, call);
        play.Offensive_Play = static_cast<uint8_t>(call);
    } else if (state == 2) {
        const int32_t call = Get_User_Preference(DEFENSIVE_PLAY_PAGE) * 10;
        Set_User_Preference(PBP_DEFENSIVE_PLAY, call);
        play.Defensive_Play = static_cast<uint8_t>(call);
    } else {
        return;
    }
    if (Is_Waiting_For_Play_Calls(game) == 0) caller->Completed_At.push_back(game->Play_Log_Count);
}

} // namespace

using WatchedSnapPaints = GameDayTest;

// A watched snap is shown on the game screen as called before it is played:
// after the user's call completes the snap's calls, the main window paints
// once more with the calls in place and the snap not yet resolved.
TEST_F(WatchedSnapPaints, TheScreenShowsTheCalledSnapBeforeItIsPlayed) {
    GAME_RECORD* game = Start_Live_Game();
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    Universe.Header.Require_Click_After_Each_Play = 0;
    Set_User_Preference(AUTO_CALL_OFFENSE, 0);
    Set_User_Preference(AUTO_CALL_DEFENSE, 0);
    Universe.Header.Target_Week = 1;
    Record_Main_Window_Paints();
    CALLER caller;
    caller.Snaps_To_Play = 12;
    Start_Game_Day_User(Call_Each_Play, &caller);
    Run_Game_Play_Loop(game);
    Stop_Game_Day_User();
    Subclass_Window(Main_Window, Main_Window_Procedure);
    ASSERT_GE(caller.Completed_At.size(), 8u) << "the user called the snaps";
    for (const int32_t snaps : caller.Completed_At) {
        bool shown = false;
        for (const PAINT_SEEN& seen : Paints_Seen)
            shown |=
                seen.Snaps == snaps && seen.Offense != NO_PLAY_CALL && seen.Result == RESULT_NOT_RESOLVED &&
                (seen.Defense != NO_PLAY_CALL || seen.Down == KICKOFF_DOWN || seen.Down == FREE_KICK_DOWN);
        EXPECT_TRUE(shown) << "the snap after " << snaps << " logged snaps was not shown as called";
    }
    EXPECT_GE(game->Play_Log_Count, 12);
}

// Auto Select on the game screen shows each side's change as it is made:
// the offence's call (or, for a user calling his offence, its list turned to
// the suggestion) on one paint, then the defence's on the next.
TEST_F(WatchedSnapPaints, AutoSelectShowsTheOffencesChangeThenTheDefences) {
    GAME_RECORD* game = Start_Live_Game();
    Record_Main_Window_Paints();
    Set_User_Preference(AUTO_CALL_OFFENSE, 1);
    Auto_Select_Play_Calls();
    ASSERT_EQ(Paints_Seen.size(), 2u);
    EXPECT_NE(Paints_Seen[0].Offense, NO_PLAY_CALL) << "the offence's call is shown first";
    EXPECT_EQ(Paints_Seen[0].Defense, NO_PLAY_CALL) << "before the defence's";
    EXPECT_EQ(Paints_Seen[1].Offense, game->Current_Play.Offensive_Play);
    EXPECT_NE(Paints_Seen[1].Defense, NO_PLAY_CALL) << "then the defence's call";

    Clear_Current_Play(game);
    Set_User_Preference(AUTO_CALL_OFFENSE, 0);
    Set_User_Preference(OFFENSIVE_PLAY_PAGE, -1);
    Paints_Seen.clear();
    Auto_Select_Play_Calls();
    ASSERT_EQ(Paints_Seen.size(), 2u);
    EXPECT_GE(Paints_Seen[0].Offense_Page, 0) << "the user's list turns to the suggestion first";
    EXPECT_EQ(Paints_Seen[0].Offense, NO_PLAY_CALL) << "his call stays his";
    EXPECT_EQ(Paints_Seen[0].Defense, NO_PLAY_CALL);
    EXPECT_NE(Paints_Seen[1].Defense, NO_PLAY_CALL) << "then the computer's defence";
    Subclass_Window(Main_Window, Main_Window_Procedure);
}
