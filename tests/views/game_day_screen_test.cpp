// The game-day screen with a snap set up by hand: the keys and clicks that
// call it, the pointing, the playback column, the weather row, the player
// panels and the matchup dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_mouse.h"
#include "app/modal_dialogs.h"
#include "app/window_graphics.h"
#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/depth_chart_page.h"
#include "dialogs/listview_engine.h"
#include "dialogs/player_card.h"
#include "engine/formation_depth_charts.h"
#include "engine/formations.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "engine/play_loop.h"
#include "engine/playbook_records.h"
#include "personnel/scouting.h"
#include "platform/backend.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "playbooks/play_diagrams.h"
#include "season/week_advance.h"
#include "support/dialog_steps.h"
#include "support/game_day_fixture.h"
#include "support/test_league.h"
#include "views/box_score_panels.h"
#include "views/current_view.h"
#include "views/defensive_keys.h"
#include "views/game_day_panels.h"
#include "views/game_day_screen.h"
#include "views/games_view.h"
#include "views/games_view_commands.h"
#include "views/matchup_dialog.h"
#include "views/matchup_dialog_template.h"
#include "views/play_call_panels.h"
#include "views/play_calling.h"

namespace {
constexpr int32_t KEY_1 = 40116;
constexpr int32_t KEY_A = 40126;
constexpr int32_t KEY_ENTER_COMMAND = 40133;

int32_t Sounds_Played() {
    return static_cast<int32_t>(Get_Played_Sounds().size());
}

void Repaint_View() {
    Clear_Drawn_Texts();
    Redraw_Main_Window();
}
} // namespace

using GameDayScreen = GameDayTest;

// One key calls the offence while it is open, then the defence; group keys
// beyond the side's groups, play keys with both calls in and keys of empty
// playbook slots do nothing and make no sound.
TEST_F(GameDayScreen, KeysCallTheOpenSideAndRefuseWhatCannotBeCalled) {
    GAME_RECORD* game = Start_Live_Game();
    // The user runs both teams.
    Set_Team_Stat(GAME_DAY_VISITOR, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    PLAY_LOG_ENTRY& play = game->Current_Play;
    ASSERT_EQ(Get_Play_Call_State(), 1);
    EXPECT_EQ(Do_Games_View_Command(KEY_A + 4), 1) << "E shows the fifth offensive group";
    EXPECT_EQ(Get_User_Preference(OFFENSIVE_PLAY_PAGE), 4);
    OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(GAME_DAY_HOME);
    book->Plays[42].Name[0] = '\0';
    EXPECT_EQ(Do_Games_View_Command(KEY_1 + 2), 0) << "an empty playbook slot is refused";
    EXPECT_EQ(play.Offensive_Play, NO_PLAY_CALL);
    EXPECT_EQ(Do_Games_View_Command(KEY_1 + 1), 1);
    EXPECT_EQ(play.Offensive_Play, 41);
    ASSERT_EQ(Get_Play_Call_State(), 2) << "the defence is open";
    Set_User_Preference(SOUNDS_ENABLED, 1);
    const int32_t sounds = Sounds_Played();
    Do_Main_Window_Command(Main_Window, KEY_A + 4);
    EXPECT_EQ(Sounds_Played(), sounds) << "E while the defence calls: no group, no sound";
    EXPECT_EQ(Get_User_Preference(DEFENSIVE_PLAY_PAGE), 0);
    Do_Main_Window_Command(Main_Window, KEY_A + 2);
    EXPECT_EQ(Sounds_Played(), sounds + 1);
    EXPECT_EQ(Get_User_Preference(DEFENSIVE_PLAY_PAGE), 2);
    EXPECT_EQ(Do_Games_View_Command(KEY_1 + 9), 1) << "key 0 is the tenth button";
    EXPECT_EQ(play.Defensive_Play, 29);
    ASSERT_EQ(Get_Play_Call_State(), 4);
    EXPECT_EQ(Do_Games_View_Command(KEY_1), 0) << "both called";
    EXPECT_EQ(play.Offensive_Play, 41);
    EXPECT_EQ(play.Defensive_Play, 29);

    // Enter and Space end the wait for a click, once.
    Set_User_Preference(WAITING_FOR_CLICK, 1);
    EXPECT_EQ(Do_Games_View_Command(KEY_ENTER_COMMAND), 1);
    EXPECT_EQ(Get_User_Preference(WAITING_FOR_CLICK), 0);
    EXPECT_EQ(Do_Games_View_Command(KEY_ENTER_COMMAND + 1), 0);
}

TEST_F(GameDayScreen, OnAKickoffTheNumberKeysCallKickoffPlaysAndTheTabRowShowsKickoffsOnly) {
    GAME_RECORD* game = Start_Live_Game(KICKOFF_DOWN);
    ASSERT_EQ(Get_Play_Call_State(), 3);
    Repaint_View();
    EXPECT_TRUE(Was_Text_Drawn("Kickoffs"));
    EXPECT_FALSE(Was_Text_Drawn("Short Passes")) << "no offensive group on a kickoff";
    EXPECT_EQ(Do_Games_View_Command(KEY_A + 1), 0) << "group keys do nothing";
    EXPECT_EQ(Do_Games_View_Command(KEY_1 + 3), 1);
    EXPECT_EQ(game->Current_Play.Offensive_Play, 3) << "kickoff play 3, whatever group was shown";
}

namespace {
const DRAWN_TEXT* Find_Drawn_Text(const std::string& text) {
    for (int32_t i = Get_Drawn_Text_Count() - 1; i >= 0; --i)
        if (text == Get_Drawn_Text(i)->Text) return Get_Drawn_Text(i);
    return nullptr;
}

int32_t Drawn_Line_Height(const DRAWN_TEXT* drawn) {
    return drawn != nullptr ? drawn->Box.Bottom - drawn->Box.Top : -1;
}
} // namespace

// A user's kickoff tab carries its key letter like every group tab (a
// computer's does not); the texts under the called plays' diagrams are laid
// out in the tabs' font, one size above the description strip's.
TEST_F(GameDayScreen, TheKickoffTabIsLabelledAndTheCalledPlaysTextsUseTheTabFont) {
    GAME_RECORD* game = Start_Live_Game(KICKOFF_DOWN);
    Repaint_View();
    Take_View_Picture("kickoff-call");
    const DRAWN_TEXT* label = Find_Drawn_Text("A");
    const DRAWN_TEXT* tab = Find_Drawn_Text("Kickoffs");
    ASSERT_NE(tab, nullptr);
    EXPECT_TRUE(label != nullptr && label->Rect.Left > tab->Rect.Left)
        << "the kickoff tab's label, at its lower right corner";
    Set_Team_Stat(GAME_DAY_HOME, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Repaint_View();
    EXPECT_EQ(Find_Drawn_Text("A"), nullptr) << "a computer's kickoff has no key label";
    Set_Team_Stat(GAME_DAY_HOME, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);

    // A called pass, whose route is told under its diagram.
    int32_t pass = 0;
    char route[FORMATTED_TEXT_SIZE] = "";
    for (; pass < 50 && route[0] == '\0'; ++pass)
        Get_Primary_Route_Text(route, GAME_DAY_HOME, pass, false);
    ASSERT_NE(route[0], '\0');
    Set_Game_Down(game, 0);
    game->Current_Play.Offensive_Play = static_cast<uint8_t>(pass - 1);
    game->Current_Play.Defensive_Play = 3;
    ASSERT_EQ(Get_Play_Call_State(), 4);
    Repaint_View();
    Take_View_Picture("called-plays");
    const int32_t route_height = Drawn_Line_Height(Find_Drawn_Text(route));
    char key[FORMATTED_TEXT_SIZE];
    Draw_Defensive_Keys_Panel(key, MAIN_KEY_CATEGORIES[0], GAME_DAY_VISITOR, 3, true, false);
    const int32_t key_height = Drawn_Line_Height(Find_Drawn_Text(key));
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    Draw_Design_Text(dc, "Tab font", {0, 0, 200, 20}, TEXT_SINGLE_LINE, Make_Colour(0, 0, 0), 2);
    Draw_Design_Text(dc, "Strip font", {0, 0, 200, 20}, TEXT_SINGLE_LINE, Make_Colour(0, 0, 0), 1);
    Release_Main_Window_DC();
    const int32_t tab_height = Drawn_Line_Height(Find_Drawn_Text("Tab font"));
    ASSERT_NE(tab_height, Drawn_Line_Height(Find_Drawn_Text("Strip font")));
    EXPECT_EQ(route_height, tab_height) << route;
    EXPECT_EQ(key_height, tab_height) << key;
}

// A developer adjustment of the game (Ctrl+F1 .. Ctrl+F12) lets the computer
// choose the calls; the screen shows the adjusted game and the group of the
// computer's suggestion at once, not at some later repaint.
TEST_F(GameDayScreen, AnAdjustmentShowsTheAdjustedGameAndItsCallsAtOnce) {
    GAME_RECORD* game = Start_Live_Game();
    Set_User_Preference(OFFENSIVE_PLAY_PAGE, 5);
    Repaint_View();
    constexpr int32_t SECOND_SCORE_UP = 40140 + 3;
    Do_Main_Window_Command(Main_Window, SECOND_SCORE_UP);
    EXPECT_EQ(game->Score[1], 1);
    EXPECT_NE(game->Current_Play.Defensive_Play, NO_PLAY_CALL) << "the computer's defence has called";
    EXPECT_EQ(game->Current_Play.Offensive_Play, NO_PLAY_CALL) << "the user's offence stays open";
    // The wind arrow of the weather row is shaken on every paint.
    EXPECT_TRUE(Is_View_As_Freshly_Painted("adjusted-game", {242, 96, 352, 126}));
}

// The Playbook notice comes once a run and a cancelled notice calls nothing;
// once both calls are in, the button leaves the snap (and the league's
// random sequence) alone.
TEST_F(GameDayScreen, ThePlaybookButtonCallsForTheOpenSideOnly) {
    GAME_RECORD* game = Start_Live_Game();
    // Starting the game told that the coming draft's class file is not here.
    Clear_Shown_Messages();
    Playbook_Notice_Shown = false;
    Script_Message_Answer("Automatic Play Selection", ID_BOX_CANCEL);
    EXPECT_FALSE(Do_Games_View_Click(55, 275));
    EXPECT_EQ(game->Current_Play.Offensive_Play, NO_PLAY_CALL);
    ASSERT_EQ(Get_Shown_Messages().size(), 1u);
    EXPECT_EQ(Get_Shown_Messages()[0].Text,
              "Clicking the 'Playbook' button will let the computer choose your play.");
    Do_Games_View_Click(55, 275);
    EXPECT_NE(game->Current_Play.Offensive_Play, NO_PLAY_CALL) << "no second notice: the computer calls";
    EXPECT_EQ(Get_Shown_Messages().size(), 1u);

    game->Current_Play.Offensive_Play = 12;
    game->Current_Play.Defensive_Play = 3;
    ASSERT_EQ(Get_Play_Call_State(), 4);
    RANDOM_STATE before;
    Save_Random_State(&before);
    const uint32_t expected = Random_Number();
    Load_Random_State(&before);
    Do_Games_View_Click(55, 275);
    EXPECT_EQ(game->Current_Play.Offensive_Play, 12);
    EXPECT_EQ(game->Current_Play.Defensive_Play, 3) << "the resolved snap is not rewritten";
    EXPECT_EQ(Random_Number(), expected) << "no computer call was drawn";
}

TEST_F(GameDayScreen, ClicksOnTabsAndButtonsCallPlaysAndPointingLightsThem) {
    GAME_RECORD* game = Start_Live_Game();
    EXPECT_TRUE(Do_Games_View_Click(154 + 99 * 3 + 10, 270)) << "the fourth group tab";
    EXPECT_EQ(Get_User_Preference(OFFENSIVE_PLAY_PAGE), 3);
    EXPECT_FALSE(Do_Games_View_Click(154 + 99 * 3 + 10, 250)) << "above the tab row";
    const RECT_AREA cell = Get_Play_Button_Cell(7);
    EXPECT_TRUE(Track_Games_View_Mouse(cell.Left + 5, cell.Top + 5));
    EXPECT_EQ(Get_User_Preference(PBP_OFFENSIVE_PLAY), 37) << "the pointed play";
    EXPECT_EQ(game->Current_Play.Offensive_Play, NO_PLAY_CALL) << "pointing is no call";
    EXPECT_EQ(Play_Button_State[37], BUTTON_CHANGED);
    EXPECT_TRUE(Track_Games_View_Mouse(cell.Left + 6, cell.Top + 5)) << "the same play: answered at once";
    EXPECT_FALSE(Track_Games_View_Mouse(700, 258)) << "nothing here";
    EXPECT_EQ(Get_User_Preference(PBP_OFFENSIVE_PLAY), -1) << "the pointer left the buttons";
    EXPECT_EQ(Play_Button_State[37], BUTTON_CHANGED) << "the old button is repainted unlit";
    EXPECT_TRUE(Do_Games_View_Click(cell.Left + 5, cell.Top + 5));
    EXPECT_EQ(game->Current_Play.Offensive_Play, 37);

    // A pointed play saved out of range names no button.
    for (int32_t saved : {-1, 60, 255}) {
        Set_User_Preference(PBP_DEFENSIVE_PLAY, saved);
        Track_Games_View_Mouse(5, 5);
        for (int32_t state : Play_Button_State)
            EXPECT_EQ(state, BUTTON_UNCHANGED) << "pointed play " << saved;
    }
}

// No call open (both calls in, the snap being played back) puts the pointer
// over the week's other games: their boxes take the hot cursor, during a
// watched game too.
TEST_F(GameDayScreen, TheOtherGamesBoxesAreHotWhileNoCallIsOpen) {
    GAME_RECORD* first = Start_Live_Game();
    // The week's first game is over; the user's is being played in the second record.
    GAME_RECORD* game = Get_Game_Record(1);
    std::memcpy(game, first, sizeof *game);
    std::memset(first, 0, sizeof *first);
    first->Team[0] = 3;
    first->Team[1] = 2;
    first->Season_Year = game->Season_Year;
    first->Clock = 3600;
    first->Score[1] = 17;
    Current_Game = game;
    Set_User_Preference(SHOWN_GAME_INDEX, 1);
    ASSERT_EQ(Get_Play_Call_State(), 1);
    game->Current_Play.Offensive_Play = 12;
    game->Current_Play.Defensive_Play = 3;
    ASSERT_EQ(Get_Play_Call_State(), 4);
    EXPECT_TRUE(Track_Games_View_Mouse(60, 300)) << "the first game's box";
    EXPECT_FALSE(Track_Games_View_Mouse(200, 300)) << "no second box";
}

TEST_F(GameDayScreen, AnUnsetPrimaryReceiverOrUnknownFormationNamesNoKeyPlayerAndLightsNobody) {
    GAME_RECORD* game = Start_Live_Game();
    const int32_t play = 10;
    const int32_t formation = Get_Offensive_Play_Formation(GAME_DAY_HOME, play);
    const int32_t slot = Get_Offensive_Play_Primary_Receiver(GAME_DAY_HOME, play);
    ASSERT_GE(slot, 1);
    const int32_t qb_id = Get_Player_Vital_Stat(GAME_DAY_HOME, Test_League_Slot(0, 0), VITAL_PLAYER_ID);
    Set_Formation_Depth_Chart_Entry(GAME_DAY_HOME, formation, slot, qb_id);
    char text[FORMATTED_TEXT_SIZE];
    Format_Play_Key_Player(text, GAME_DAY_HOME, play);
    char name[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(GAME_DAY_HOME, Test_League_Slot(0, 0), name);
    EXPECT_EQ(std::string(text), std::string("QB: ") + name);
    Set_User_Preference(PBP_OFFENSIVE_PLAY, play);
    const int32_t position = Get_Formation_Slot_Position(formation, slot, 0);
    const int32_t depth = Get_Formation_Slot_Position(formation, slot, 1);
    EXPECT_TRUE(Is_Shown_Play_Primary_Receiver(game, 1, position, depth));

    OFFENSIVE_PLAYBOOK* book = Get_Team_Offensive_Playbook(GAME_DAY_HOME);
    book->Plays[play].Primary = 0;
    Format_Play_Key_Player(text, GAME_DAY_HOME, play);
    EXPECT_STREQ(text, "") << "no receiver: no key player (and no depth-chart entry before the formation's)";
    for (int32_t line = 0; line < LIVE_LINES_PER_SIDE; ++line) {
        const LIVE_LINE entry = Get_Live_Line(game, 1, line);
        EXPECT_FALSE(Is_Shown_Play_Primary_Receiver(game, 1, entry.Position, entry.Depth)) << entry.Label;
    }
    book->Plays[play].Primary = slot + 1;
    book->Plays[play].Formation = 60;
    Format_Play_Key_Player(text, GAME_DAY_HOME, play);
    EXPECT_STREQ(text, "") << "an unknown formation";
    EXPECT_FALSE(Is_Shown_Play_Primary_Receiver(game, 1, position, depth));
    EXPECT_FALSE(Is_In_Shown_Play_Formation(game, 1, position, depth));
}

// Three announcer events without a required click: frames 0-2 wait one
// period, 3-9 none, the summary two; a repaint shows the lines so far, and
// after the closing call the column stays empty.
TEST_F(GameDayScreen, ThePlaybackShowsOneLinePerEventThenTheSummary) {
    GAME_RECORD* game = Start_Live_Game();
    game->Current_Play.Offensive_Play = 12;
    game->Current_Play.Defensive_Play = 3;
    for (int32_t i = 0; i < 3; ++i)
        game->Current_Play.Events[i].Event_Id = 1;
    Universe.Header.Require_Click_After_Each_Play = 0;
    for (int32_t frame = 0; frame <= 10; ++frame)
        EXPECT_EQ(Draw_Play_Result_Panel(nullptr, frame, 0), frame < 3 ? 1 : frame < 10 ? 0 : 2) << frame;
    Universe.Header.Require_Click_After_Each_Play = 1;
    Clear_Drawn_Texts();
    EXPECT_EQ(Draw_Play_Result_Panel(nullptr, 10, 0), 0) << "a click is awaited instead";
    EXPECT_TRUE(Was_Text_Drawn("Click to continue..."));
    Repaint_View();
    EXPECT_TRUE(Was_Text_Drawn("Click to continue...")) << "a repaint shows the lines again";
    EXPECT_EQ(Draw_Play_Result_Panel(nullptr, -1, 1), 0);
    EXPECT_EQ(Get_Remembered_Result_Frame(), -1);
    Repaint_View();
    EXPECT_FALSE(Was_Text_Drawn("Click to continue...")) << "the closing call emptied the column";

    // While a call is open the empty column leaves the middle buttons drawn.
    Clear_Current_Play(game);
    Repaint_View();
    char name[64];
    Get_Offensive_Play_Name(GAME_DAY_HOME, 10 * Get_Shown_Play_Group(CALL_SIDE_OFFENSE) + 2, name,
                            sizeof name);
    const int32_t count = Get_Drawn_Text_Count();
    EXPECT_EQ(std::string(Get_Drawn_Text(count - 1)->Text).find(name), std::string::npos)
        << "the middle button is not the last thing drawn over";
    EXPECT_TRUE(Was_Text_Drawn(name));
}

// A live line's number and the figures the roster lists and the card show
// (the overall, or the punt-return rating on the returner line) are one
// figure when the scouts see the player as he is; otherwise the roster and
// the card give the scouts' report of the line's figure.
TEST_F(GameDayScreen, ALiveLinesNumberIsTheRostersFigureAsTheScoutsReportIt) {
    GAME_RECORD* game = Start_Live_Game();
    for (const int32_t perfect : {1, 0}) {
        Set_User_Preference(PERFECT_SCOUTING, perfect);
        for (const uint32_t down : {0u, static_cast<uint32_t>(KICKOFF_DOWN)}) {
            Set_Game_Down(game, down);
            Clear_Live_Box_Score_Player_Ids();
            Repaint_View();
            for (int32_t n = 0; n < PLAYER_LINE_IDS; ++n) {
                const int32_t side = n / LISTED_LINES_PER_SIDE, line = n % LISTED_LINES_PER_SIDE;
                int32_t team = 0, slot = 0;
                if (!Get_Player_Line_Player(n, &team, &slot)) continue;
                const LINE_CORNER at = Get_Player_Line_Corner(side, line);
                const std::string label = Get_Drawn_Cell_Text(at.Left, at.Top);
                const std::string number = Get_Drawn_Cell_Text(at.Left + 128, at.Top);
                char roster[64], card[CARD_TEXT_SIZE];
                const bool returner = label == "PR" || label == "KR";
                Get_Listview_Cell(roster, returner ? 94 : 3, team, slot);
                Format_Player_Card_Field(3, 0, team, slot, card);
                const std::string where = label + " of side " + std::to_string(side) + ", down " +
                                          std::to_string(down) + (perfect ? ", perfect scouting" : "");
                if (returner) {
                    EXPECT_EQ(number, roster) << where << ": the punt-return rating";
                } else if (perfect) {
                    EXPECT_EQ(number, roster) << where;
                    EXPECT_EQ(number, card) << where;
                } else {
                    const int32_t reported =
                        std::clamp(Apply_Scouting_Error(team, slot, std::stoi(number)), 20, 99);
                    EXPECT_EQ(std::to_string(reported), roster) << where;
                    EXPECT_EQ(std::to_string(reported), card) << where;
                }
            }
        }
    }
}

TEST_F(GameDayScreen, TheWeatherRowSaysDomeCalmOrTheWind) {
    GAME_RECORD* game = Start_Live_Game();
    Repaint_View();
    EXPECT_TRUE(Was_Text_Drawn("12 mph"));
    EXPECT_TRUE(Was_Text_Drawn("Wind"));
    EXPECT_TRUE(Was_Text_Drawn("55\xB0"));
    EXPECT_TRUE(Was_Text_Drawn("Sunny"));
    game->Wind_Speed = 3;
    Repaint_View();
    EXPECT_TRUE(Was_Text_Drawn("Wind: Calm"));
    game->Wind_Speed = static_cast<uint16_t>(-1);
    Repaint_View();
    EXPECT_TRUE(Was_Text_Drawn("No Wind (Dome)"));
    EXPECT_FALSE(Was_Text_Drawn("mph"));
}

// The wind arrow's shake and the rating repair of a player below 25 draw
// nothing from the league's generator: painting changes no game.
TEST_F(GameDayScreen, RepaintsLeaveTheLeaguesRandomSequenceAlone) {
    Start_Live_Game();
    const int32_t qb = Test_League_Slot(0, 0);
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Set_Player_Rating(GAME_DAY_HOME, qb, rating, 1.0f);
    Clear_Live_Box_Score_Player_Ids();
    RANDOM_STATE before;
    Save_Random_State(&before);
    const uint32_t first = Random_Number(), second = Random_Number();
    Load_Random_State(&before);
    for (int32_t paint = 0; paint < 3; ++paint)
        Repaint_View();
    EXPECT_EQ(Random_Number(), first);
    EXPECT_EQ(Random_Number(), second);
    EXPECT_GT(Get_Player_Game_Rating(GAME_DAY_HOME, qb, 0, 0), 0) << "the player was repaired all the same";
}

// A finished game lists 18 leaders a side; every line drawn can be clicked,
// the 18th too, and opens that player's scouting report.
TEST_F(GameDayScreen, EveryFinishedListLineCanBeClickedTheEighteenthToo) {
    Start_Game_Day();
    GAME_RECORD* game = Get_Game_Record(0);
    std::memset(game, 0, sizeof *game);
    game->Team[0] = GAME_DAY_VISITOR;
    game->Team[1] = GAME_DAY_HOME;
    game->Season_Year = static_cast<uint16_t>(Get_Current_Year());
    game->Clock = 3600;
    game->Score[1] = 7;
    for (int32_t side = 0; side < 2; ++side)
        for (int32_t entry = 0; entry < TEST_ROSTER_SIZE; ++entry) {
            game->Player_Ids[side][entry] = Get_Player_Vital_Stat(game->Team[side], entry, VITAL_PLAYER_ID);
            game->Player_Counters[side][entry][2] = 10;
            game->Player_Counters[side][entry][3] = 10;
        }
    Set_User_Preference(SHOWN_GAME_INDEX, 0);
    Set_Current_View(GAMES_VIEW_ID);
    // Quarterbacks, backs, tight ends and receivers make 15; the 18th is the third end.
    const int32_t eighteenth = Test_League_Slot(8, 2);
    int32_t team = 0, slot = 0;
    ASSERT_TRUE(Get_Player_Line_Player(LISTED_LINES_PER_SIDE - 1, &team, &slot));
    EXPECT_EQ(team, GAME_DAY_VISITOR);
    EXPECT_EQ(slot, eighteenth);
    EXPECT_TRUE(Is_In_Player_Line(LISTED_LINES_PER_SIDE - 1, 10, 28 + 12 * 17 + 6));
    EXPECT_EQ(Find_Player_Line(10, 28 + 12 * 17 + 6), LISTED_LINES_PER_SIDE - 1);
    EXPECT_EQ(Find_Player_Line(10, 28 + 12 * 18 + 6), -1) << "no 19th line";
    ASSERT_TRUE(Get_Player_Line_Player(LISTED_LINES_PER_SIDE, &team, &slot)) << "side 1's first line";
    EXPECT_EQ(team, GAME_DAY_HOME);
    EXPECT_TRUE(Do_Games_View_Click(10, 28 + 12 * 17 + 6));
    EXPECT_EQ(Get_Last_Dialog_Id(), 127);
    EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_SLOT), eighteenth);
}

TEST_F(GameDayScreen, TheScoreboardsTeamsOpenTheDepthChartDuringAGameAndTheCalendarAfter) {
    Start_Live_Game();
    EXPECT_TRUE(Track_Games_View_Mouse(60, 14));
    EXPECT_TRUE(Do_Games_View_Click(60, 14));
    EXPECT_EQ(Get_Last_Dialog_Id(), 119);
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), GAME_DAY_VISITOR);
    Current_Game = nullptr;
    Set_User_Preference(SHOWN_GAME_INDEX, 0);
    Get_Game_Record(0)->Clock = 3600;
    Get_Game_Record(0)->Score[0] = 3;
    EXPECT_TRUE(Do_Games_View_Click(650, 14));
    EXPECT_EQ(Get_User_Preference(VIEWED_TEAM), GAME_DAY_HOME);
    EXPECT_EQ(Get_User_Preference(USER_TEAM), GAME_DAY_HOME) << "the user's own team";
    EXPECT_EQ(Get_Current_View(), 40036);
}

namespace {
bool dialog_still_open = false;
void Note_Dialog_Open(void*) {
    dialog_still_open = Get_Open_Dialog_Id() == 181;
}
void Ask_To_Quit(void*) {
    Request_Quit(0);
}
} // namespace

// Escape is no choice; a dialog ended by the program quitting plays the game
// unwatched; "Simulate All" simulates this game and the rest.
TEST_F(GameDayScreen, TheMatchupDialogClosesOnlyByItsButtonsAndAQuitSimulatesTheGame) {
    Start_Game_Day();
    Universe.Games[0].Team[0] = GAME_DAY_VISITOR;
    Universe.Games[0].Team[1] = GAME_DAY_HOME;
    Set_User_Preference(CURRENT_GAME_NUMBER, 0);
    Set_Game_PBP_Flag(GAME_DAY_HOME, 0, 0);
    Script_Key_Press(KEY_ESCAPE, 0);
    Script_Action(Note_Dialog_Open, nullptr);
    Script_Dialog_Control_Click(181, MATCHUP_PLAY_BUTTON);
    EXPECT_EQ(Do_Dialog(NO_WINDOW, 181, 0), 1);
    EXPECT_TRUE(dialog_still_open) << "Escape left the dialog open";
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(GAME_DAY_VISITOR, 0), 1) << "Play This Game: watched";

    Script_Action(Ask_To_Quit, nullptr);
    Do_Dialog(NO_WINDOW, 181, 0);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(GAME_DAY_HOME, 0), 0) << "a quit simulates the game";
    Reset_Message_Queue();

    // With two human teams "Simulate All" shows and simulates everything.
    Set_Team_Stat(GAME_DAY_VISITOR, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    Set_Game_PBP_Flag(GAME_DAY_HOME, 0, 1);
    Universe.Header.Target_Week = 5;
    Script_Dialog_Control_Click(181, MATCHUP_SIMULATE_ALL_BUTTON, [] {
        const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
        EXPECT_TRUE(Is_Window_Shown(Get_Dialog_Item(open.back(), MATCHUP_SIMULATE_ALL_BUTTON)));
        EXPECT_EQ(Get_Dialog_Item_Text(open.back(), MATCHUP_SIMULATE_ALL_BUTTON), "Simulate Until Week 6");
    });
    Do_Dialog(NO_WINDOW, 181, 0);
    EXPECT_EQ(Get_Team_Week_Schedule_Stat_1(GAME_DAY_HOME, 0), 0);
    EXPECT_EQ(Get_User_Preference(SIMULATE_ALL_GAMES), 1);

    // One human team and a week-long advance: no "Simulate All".
    Set_Team_Stat(GAME_DAY_VISITOR, TEAM_STAT_CONTROL, TEAM_CONTROL_COMPUTER);
    Universe.Header.Target_Week = 1;
    Script_Dialog_Control_Click(181, MATCHUP_SIMULATE_BUTTON, [] {
        const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
        EXPECT_FALSE(Is_Window_Shown(Get_Dialog_Item(open.back(), MATCHUP_SIMULATE_ALL_BUTTON)));
    });
    Do_Dialog(NO_WINDOW, 181, 0);

    // Seasons after the newest logos look them up.
    Set_Team_Abbreviation("BUF", GAME_DAY_HOME);
    Universe.Header.Universe_Stats[BASE_YEAR] = 2030;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    char name[64];
    Get_Downloaded_Logo_Name(name, sizeof name, GAME_DAY_HOME);
    EXPECT_STREQ(name, "Logos/Downloads/BUF-2022.png");
}

namespace {
struct QUITTER {
    int32_t Asked = 0;
};
void Quit_At_The_First_Call(void* context) {
    QUITTER* quitter = static_cast<QUITTER*>(context);
    if (!Is_Live_Game_Shown()) return;
    if (Get_User_Preference(WAITING_FOR_CLICK) != 0) {
        Press_Key(KEY_ENTER);
        return;
    }
    const int32_t state = Get_Play_Call_State();
    if (state != 1 && state != 2 && state != 3) return;
    ++quitter->Asked;
    Request_Quit(0);
}
} // namespace

TEST_F(GameDayScreen, AQuitWhileACallIsOpenHandsTheSnapToTheComputer) {
    Start_Game_Day();
    Set_User_Preference(PLAY_ANIMATION_DELAY, 0);
    QUITTER quitter;
    Play_Watched_Week(Quit_At_The_First_Call, &quitter);
    EXPECT_EQ(quitter.Asked, 1);
    const GAME_RECORD* game = Get_Game_Record(0);
    ASSERT_GE(game->Play_Log_Count, 1);
    const PLAY_LOG_ENTRY& last = game->Play_Log[game->Play_Log_Count - 1];
    EXPECT_NE(last.Offensive_Play, NO_PLAY_CALL);
    EXPECT_NE(last.Defensive_Play, NO_PLAY_CALL);
    Reset_Message_Queue();
}

// The pages open through the installation's path resolver: an "output"
// folder of any case holds them; a watched game writes its page first.
TEST_F(GameDayScreen, TheBoxScoreAndRecapButtonsOpenTheGamesPagesThroughThePathResolver) {
    GAME_RECORD* game = Start_Live_Game();
    std::filesystem::remove_all("Output");
    std::filesystem::create_directories("output");
    Set_User_Preference(CURRENT_GAME_NUMBER, 0);
    Clear_Desktop_Requests();
    EXPECT_TRUE(Do_Games_View_Click(380, 112));
    ASSERT_EQ(Get_Shell_Requests().size(), 1u);
    EXPECT_EQ(Get_Shell_Requests()[0].Target, "output/Box-20-000.htm");
    EXPECT_TRUE(std::filesystem::exists("output/Box-20-000.htm"))
        << "the watched game's page is written first";

    Current_Game = nullptr;
    game->Clock = 3600;
    game->Score[1] = 3;
    Set_User_Preference(SHOWN_GAME_INDEX, 0);
    EXPECT_TRUE(Do_Games_View_Click(380, 128));
    ASSERT_EQ(Get_Shell_Requests().size(), 2u);
    EXPECT_EQ(Get_Shell_Requests()[1].Target, "output/Recap-20-000.htm");
    std::filesystem::remove_all("output");
}

// A page the desktop cannot open is told by its full path, to be opened by
// hand; only a page that is not there gets the missing-folder message.
TEST_F(GameDayScreen, ABoxScoreTheDesktopCannotOpenIsToldByItsFullPath) {
    GAME_RECORD* game = Start_Live_Game();
    std::filesystem::remove_all("Output");
    std::filesystem::create_directories("Output");
    Set_User_Preference(CURRENT_GAME_NUMBER, 0);
    Clear_Shown_Messages();
    Script_Shell_Result(SHELL_OPEN_FAILED);
    EXPECT_TRUE(Do_Games_View_Click(380, 112));
    ASSERT_EQ(Get_Shown_Messages().size(), 1u) << "one message, not the missing-folder one as well";
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Could Not Open");
    const std::string page = (std::filesystem::current_path() / "Output" / "Box-20-000.htm").string();
    EXPECT_NE(Get_Shown_Messages()[0].Text.find("\n\n" + page + "\n\n"), std::string::npos)
        << Get_Shown_Messages()[0].Text;

    Current_Game = nullptr;
    game->Clock = 3600;
    game->Score[1] = 3;
    Set_User_Preference(SHOWN_GAME_INDEX, 0);
    Script_Shell_Result(SHELL_OPEN_FAILED);
    EXPECT_TRUE(Do_Games_View_Click(380, 128)) << "the recap of a finished game was never written";
    ASSERT_EQ(Get_Shown_Messages().size(), 2u);
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Error");
    EXPECT_EQ(Get_Shown_Messages()[1].Text.rfind("Can't find Game Recap file.", 0), 0u);
    std::filesystem::remove_all("Output");
}

// The live lines remember their players between snaps; a depth chart changed
// through the menu's Offense dialog during a watched game shows at once.
TEST_F(GameDayScreen, ADepthChartChangedFromTheMenuShowsInTheLiveLines) {
    Start_Live_Game();
    const int32_t starter = Test_League_Slot(0, 0), backup = Test_League_Slot(0, 1);
    Set_Player_Last_Name(GAME_DAY_HOME, starter, "Ashgrove");
    Set_Player_Last_Name(GAME_DAY_HOME, backup, "Birchmoor");
    const int32_t backup_id = Get_Player_Vital_Stat(GAME_DAY_HOME, backup, VITAL_PLAYER_ID);
    Repaint_View();
    ASSERT_TRUE(Was_Text_Drawn("Ashgrove"));
    ASSERT_FALSE(Was_Text_Drawn("Birchmoor"));

    // The backup quarterback moves up to starter, as the user would do it.
    Script_Dialog_Step([](WINDOW_HANDLE dialog) {
        ASSERT_EQ(Get_Dialog_Template_Id(dialog), 119);
        Choose_Dialog_Line(dialog, DEPTH_STARTER_LIST, 1);
        Click_Dialog_Button(dialog, DEPTH_STARTER_UP);
        Click_Dialog_Button(dialog, ID_OK);
    });
    Clear_Drawn_Texts();
    Do_Main_Window_Command(Main_Window, 40083);
    EXPECT_EQ(Get_Last_Dialog_Id(), 119);
    EXPECT_EQ(Get_Player_Vital_Stat(GAME_DAY_HOME, starter, VITAL_PLAYER_ID), backup_id)
        << "the league changed";
    EXPECT_TRUE(Was_Text_Drawn("Birchmoor")) << "the repaint after the dialog shows the new starter";
    EXPECT_FALSE(Was_Text_Drawn("Ashgrove"));
    int32_t team = -1, slot = -1;
    ASSERT_TRUE(Get_Player_Line_Player(LISTED_LINES_PER_SIDE, &team, &slot)) << "the home side's QB line";
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID), backup_id);
    Take_View_Picture("live_lines_after_depth_chart");
}
