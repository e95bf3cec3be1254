#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/design_scaling.h"
#include "app/drawing_services.h"
#include "app/main_window_dc.h"
#include "database/game_names.h"
#include "database/league_structure.h"
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
#include "support/debug_log.h"
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

constexpr WINDOW_HANDLE WATCH_WINDOW = 0x5C2;
constexpr uint32_t MSG_STOP_WATCHING = MSG_FIRST_APP + 7;
constexpr uint32_t MSG_STOP_SIMULATION = MSG_FIRST_APP + 8;

// Stands in for the calendar and the menu: the user turns a game's watch flag
// off, or stops the simulation.
intptr_t Watch_Setting_Procedure(WINDOW_HANDLE, uint32_t code, uintptr_t, intptr_t) {
    if (code == MSG_STOP_WATCHING) Set_Game_PBP_Flag(4, WEEK, 0);
    if (code == MSG_STOP_SIMULATION) Set_User_Preference(SIMULATION_RUNNING, 0);
    return 0;
}

TEST(GameScreenHooks, WatchAnswerKeptInASnapFollowsHandledMessagesAndOtherGames) {
    Build_Test_League();
    Prepare_Game_Week(WEEK, 1);
    Schedule_Test_Game(4, 5, WEEK);
    Schedule_Test_Game(6, 7, WEEK);
    GAME_RECORD* game = &Universe.Games[0];
    GAME_RECORD* other = &Universe.Games[1];
    std::memset(game, 0, sizeof(*game));
    std::memset(other, 0, sizeof(*other));
    game->Team[0] = 5;
    game->Team[1] = 4;
    other->Team[0] = 7;
    other->Team[1] = 6;
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_Game_PBP_Flag(4, WEEK, 1);
    Set_Window_Procedure(WATCH_WINDOW, Watch_Setting_Procedure);
    {
        WATCH_ANSWER_SCOPE watch;
        EXPECT_EQ(Is_Game_Play_By_Play(game), 1);
        EXPECT_EQ(Is_Game_Play_By_Play(other), 0) << "another game is answered for its own teams";
        EXPECT_EQ(Is_Game_Play_By_Play(game), 1);
        Post_Window_Message(WATCH_WINDOW, MSG_STOP_WATCHING, 0, 0);
        Pump_Messages();
        EXPECT_EQ(Is_Game_Play_By_Play(game), 0) << "the flag turned off by the user is read again";
        Set_Game_PBP_Flag(4, WEEK, 1);
        Post_Window_Message(WATCH_WINDOW, MSG_STOP_SIMULATION, 0, 0);
        Pump_Messages();
        EXPECT_EQ(Is_Game_Play_By_Play(game), 0) << "the stopped simulation is read again";
    }
    Set_User_Preference(SIMULATION_RUNNING, 1);
    EXPECT_EQ(Is_Game_Play_By_Play(game), 1) << "outside a snap every question reads the settings";
    Set_Game_PBP_Flag(4, WEEK, 0);
    EXPECT_EQ(Is_Game_Play_By_Play(game), 0);
    Set_Window_Procedure(WATCH_WINDOW, nullptr);
    Reset_Message_Queue();
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

namespace {
// A game of teams 3 and 7 on the given view, with a fresh back buffer.
GAME_RECORD* Prepare_Scoreboard(int32_t view) {
    Build_Test_League();
    Clear_Debug_Log();
    Clear_Drawn_Texts();
    Set_Skin_Name("earth");
    Create_Main_Window_Back_Buffer(DEFAULT_BACK_BUFFER_WIDTH, DEFAULT_BACK_BUFFER_HEIGHT);
    Take_Main_Window_Invalid_Rect(nullptr);
    Set_Current_View_Setting(view);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 3;
    game->Team[1] = 7;
    game->Score[0] = 17;
    game->Score[1] = 24;
    return game;
}

bool Was_Drawn(const std::string& text, RECT_AREA* where = nullptr) {
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (text == Get_Drawn_Text(i)->Text) {
            if (where != nullptr) *where = Get_Drawn_Text(i)->Rect;
            return true;
        }
    return false;
}

bool Inside(const RECT_AREA& inner, const RECT_AREA& outer) {
    return inner.Left >= outer.Left && inner.Right <= outer.Right && inner.Top >= outer.Top &&
           inner.Bottom <= outer.Bottom;
}
} // namespace

TEST(GameScreenHooks, ScoreboardDrawsNamesAndScoresInTheBox) {
    GAME_RECORD* game = Prepare_Scoreboard(VIEW_STANDINGS);
    EXPECT_EQ(Draw_Scoreboard(nullptr), 0);
    EXPECT_EQ(Get_Drawn_Text_Count(), 0) << "no game, nothing drawn";
    ASSERT_EQ(Draw_Scoreboard(game), 1);
    RECT_AREA box = Get_Scoreboard_Box(VIEW_STANDINGS);
    Scale_Rect_To_Window(&box);
    char name[FORMATTED_TEXT_SIZE];
    RECT_AREA where{};
    for (int32_t side = 0; side < 2; ++side) {
        Get_Team_Display_Name(game->Team[side], name);
        EXPECT_TRUE(Was_Drawn(name, &where)) << name;
        EXPECT_TRUE(Inside(where, box)) << name << " lies in the box";
    }
    EXPECT_TRUE(Was_Drawn("17", &where));
    EXPECT_TRUE(Inside(where, box));
    EXPECT_TRUE(Was_Drawn("24"));
    RECT_AREA invalid{};
    ASSERT_EQ(Take_Main_Window_Invalid_Rect(&invalid), 1);
    EXPECT_EQ(invalid.Left, box.Left);
    EXPECT_EQ(invalid.Bottom, box.Bottom);
    EXPECT_EQ(Get_Main_Window_DC_Count(), 0) << "the back buffer's context is given back";
    EXPECT_EQ(Count_Error_Lines(), 0);
    // Dark text on the light skins.
    Clear_Drawn_Texts();
    Set_Skin_Name("ice");
    Draw_Scoreboard(game);
    ASSERT_GT(Get_Drawn_Text_Count(), 0);
    EXPECT_EQ(Get_Drawn_Text(0)->Colour, Make_Colour(0, 0, 0));
    Destroy_Main_Window_Back_Buffer();
}

TEST(GameScreenHooks, ScoreboardSitsHigherOnTheLeadersViewAndIsAbsentElsewhere) {
    GAME_RECORD* game = Prepare_Scoreboard(VIEW_LEADERS);
    ASSERT_EQ(Draw_Scoreboard(game), 1);
    RECT_AREA where{};
    ASSERT_TRUE(Was_Drawn("17", &where));
    RECT_AREA high = Get_Scoreboard_Box(VIEW_LEADERS);
    Scale_Rect_To_Window(&high);
    EXPECT_TRUE(Inside(where, high));
    EXPECT_EQ(Get_Scoreboard_Box(VIEW_LEADERS).Top, 14);

    Clear_Drawn_Texts();
    Set_Current_View_Setting(40086);
    EXPECT_EQ(Draw_Scoreboard(game), 0) << "the games view has no scoreboard box";
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    EXPECT_EQ(Draw_Game_Score_Panel(dc), 0);
    Release_Main_Window_DC();
    EXPECT_EQ(Get_Drawn_Text_Count(), 0);

    Set_Current_View_Setting(VIEW_CALENDAR);
    game->Team[1] = game->Team[0];
    EXPECT_EQ(Draw_Scoreboard(game), 0) << "a team against itself";
    game->Team[1] = 36;
    EXPECT_EQ(Draw_Scoreboard(game), 0) << "a pool is no franchise";
    EXPECT_EQ(Get_Drawn_Text_Count(), 0);
    Destroy_Main_Window_Back_Buffer();
    game->Team[1] = 7;
    EXPECT_EQ(Draw_Scoreboard(game), 0) << "no back buffer, nothing to draw into";
}

TEST(GameScreenHooks, FootballTeamIsShownByItsLocation) {
    GAME_RECORD* game = Prepare_Scoreboard(VIEW_FINANCES);
    Set_Team_String("Washington", 7, 1);
    Set_Team_String("Football Team", 7, 2);
    ASSERT_EQ(Draw_Scoreboard(game), 1);
    EXPECT_TRUE(Was_Drawn("Washington"));
    EXPECT_FALSE(Was_Drawn("Football Team"));
    Destroy_Main_Window_Back_Buffer();
}

TEST(GameScreenHooks, ScorePanelShowsTheDateLines) {
    Prepare_Scoreboard(VIEW_STANDINGS);
    Universe.Season_Length = 17;
    for (int32_t i = 0; i < 5; ++i)
        Universe.Post_Season_Days[i] = 18 + i;
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_User_Preference(CURRENT_WEEK, 4);
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    ASSERT_EQ(Draw_Game_Score_Panel(dc), 1);
    Release_Main_Window_DC();
    EXPECT_TRUE(Was_Drawn(std::to_string(Get_Current_Year())));
    EXPECT_TRUE(Was_Drawn("Week 5"));
    EXPECT_EQ(Draw_Game_Score_Panel(nullptr), 0);
    Destroy_Main_Window_Back_Buffer();
}

TEST(GameScreenHooks, RouteFlagsComeFromTheDrawnRoutesAndContradictionsAreReported) {
    Clear_Debug_Log();
    for (int32_t route = 0; route < PASS_ROUTE_COUNT; ++route) {
        // The ball carrier's path is drawn to the hole, not from the table.
        if (route != 54) {
            EXPECT_GT(Count_Route_Segments(route), 0) << "route " << route << " has a drawn path";
        }
        for (int32_t segment = 0; segment < ROUTE_POINTS; ++segment)
            Get_Pass_Route_Segment_Flag(route, segment);
    }
    EXPECT_EQ(Count_Error_Lines(), 0) << "the built-in table is consistent";
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(12, 1), ROUTE_FLAG_BOTTOM_SEMI)
        << "a swing curls out of the backfield";
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(31, 0), ROUTE_FLAG_NEW_PATH | ROUTE_FLAG_HITCH)
        << "the play fake starts a path of its own, and no error is logged for it";
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(46, 3), ROUTE_FLAG_ARROW | ROUTE_FLAG_DOTTED_LINE);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(10, 1), ROUTE_FLAG_NEW_PATH | ROUTE_FLAG_WIGGLE);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(9, 0), ROUTE_FLAG_ARROW);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(54, 0), 0) << "the carrier's route has no segments";

    EXPECT_EQ(Check_Route_Segment_Flags(0, 0, ROUTE_FLAG_NEW_PATH), ROUTE_FLAG_NEW_PATH);
    EXPECT_EQ(Count_Debug_Lines(
                  "NEW_PATH is not allowed at the start of a route in Get_Pass_Route_Segment_Flag(0,0)"),
              1);
    EXPECT_EQ(Check_Route_Segment_Flags(5, 0, ROUTE_FLAG_NEW_PATH), ROUTE_FLAG_NEW_PATH)
        << "only route 0 is held to it";
    EXPECT_EQ(Check_Route_Segment_Flags(0, 2, ROUTE_FLAG_NEW_PATH), ROUTE_FLAG_NEW_PATH);
    const int32_t both = ROUTE_FLAG_WIGGLE | ROUTE_FLAG_DOTTED_LINE;
    EXPECT_EQ(Check_Route_Segment_Flags(3, 1, both), both) << "the flags are returned all the same";
    EXPECT_EQ(
        Count_Debug_Lines("WIGGLE and DOTTED_LINE are incompatable in Get_Pass_Route_Segment_Flag(3,1)"), 1);
    const int32_t semis = ROUTE_FLAG_TOP_SEMI | ROUTE_FLAG_BOTTOM_SEMI;
    EXPECT_EQ(Check_Route_Segment_Flags(4, 2, semis), semis);
    EXPECT_EQ(
        Count_Debug_Lines("TOP_SEMI and BOTTOM_SEMI are incompatable in Get_Pass_Route_Segment_Flag(4,2)"),
        1);
    EXPECT_EQ(Count_Error_Lines(), 3);

    EXPECT_EQ(Get_Pass_Route_Segment_Flag(57, 0), 0);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(-1, 0), 0);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(0, 4), 0);
    EXPECT_EQ(Count_Error_Lines(), 6) << "codes and segments outside the table are refused";
}

TEST(GameScreenHooks, RouteTableAccessorsAndReceivingRoutes) {
    Clear_Debug_Log();
    EXPECT_EQ(Valid_Receiving_Route(55), 1);
    EXPECT_EQ(Valid_Receiving_Route(54), 0);
    EXPECT_EQ(Valid_Receiving_Route(36), 1);
    EXPECT_EQ(Valid_Receiving_Route(37), 0);
    EXPECT_EQ(Count_Error_Lines(), 0);
    EXPECT_EQ(Valid_Receiving_Route(56), 0);
    EXPECT_EQ(Count_Debug_Lines("Unhandled nPassRoute in Valid_Receiving_Route([56])"), 1);

    char name[8];
    Get_Pass_Route_Name_Copy(16, name, sizeof name);
    EXPECT_STREQ(name, "Fly");
    Get_Pass_Route_Name_Copy(31, name, sizeof name);
    EXPECT_STREQ(name, "Play Ac") << "the copy is bounded by the buffer";
    double x1 = 9, y1 = 9, x2 = 9, y2 = 9;
    ASSERT_EQ(Get_Pass_Route_Segment_End_Points(7, 0, &x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x1, 0.0);
    EXPECT_EQ(y1, 0.0) << "the first segment starts at the player's spot";
    EXPECT_EQ(x2, 0.0);
    EXPECT_EQ(y2, 9.0);
    ASSERT_EQ(Get_Pass_Route_Segment_End_Points(7, 1, &x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(y1, 9.0);
    EXPECT_GT(x2, 0.0) << "a corner route breaks to the sideline";
    EXPECT_EQ(Get_Pass_Route_Segment_End_Points(7, 4, &x1, &y1, &x2, &y2), 0);
    EXPECT_EQ(y2, 0.0);
    // The curl's hitch is a segment of no length.
    ASSERT_EQ(Get_Pass_Route_Segment_End_Points(6, 2, &x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x1, -2.0);
    EXPECT_EQ(x2, -2.0);
    EXPECT_EQ(y2, 10.0);

    int32_t shortest = 0, longest = 0, drawn = 0;
    ASSERT_EQ(Get_Pass_Route_Depths(9, &shortest, &longest, &drawn), 1);
    EXPECT_EQ(shortest, 22);
    EXPECT_EQ(longest, 40);
    EXPECT_EQ(drawn, 13);
    EXPECT_EQ(Get_Pass_Route_Middle_Depth(9), 31);
    EXPECT_EQ(Get_Pass_Route_Middle_Depth(46), -8);
    EXPECT_EQ(Get_Pass_Route_Middle_Depth(56), -3);
    const int32_t errors = Count_Error_Lines();
    EXPECT_EQ(Get_Pass_Route_Middle_Depth(57), 0) << "one past the table";
    EXPECT_EQ(Count_Error_Lines(), errors + 1);

    EXPECT_EQ(Get_Run_Hole_Lateral_Offset(9), -Get_Run_Hole_Lateral_Offset(8));
    EXPECT_GT(Get_Run_Hole_Lateral_Offset(0), 0.0);
    EXPECT_EQ(Get_Run_Hole_Lateral_Offset(10), 0.0);

    // Receiving routes that break to the sideline end outside, the in-breaking ones inside.
    EXPECT_TRUE(Pass_Route_Ends_Outside(3));
    EXPECT_TRUE(Pass_Route_Ends_Outside(7));
    EXPECT_TRUE(Pass_Route_Ends_Outside(34));
    EXPECT_FALSE(Pass_Route_Ends_Outside(2));
    EXPECT_FALSE(Pass_Route_Ends_Outside(8));
    EXPECT_FALSE(Pass_Route_Ends_Outside(14));
}
