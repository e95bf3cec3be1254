// The season timeline strip as the user meets it in the status bar: what its
// cells look like, and what a click on a cell asks before the season moves.
#include <gtest/gtest.h>

#include <string>

#include "app/app_fonts.h"
#include "app/drawing_services.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "app/modal_dialogs.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"
#include "platform/backend.h"
#include "platform/drawing_surface.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/text_render.h"
#include "platform/window_messages.h"
#include "platform/windows.h"
#include "support/frame_fixture.h"
#include "support/scratch_folder.h"
#include "support/view_frame.h"
#include "views/current_view.h"
#include "views/timeline_strip.h"

namespace {
constexpr int32_t STRIP_FONT = 19;
// The played season: four games in five weeks, then the playoffs.
constexpr int32_t FIRST_PLAYOFF_WEEK = 5;

DRAWING_SURFACE Paint_Strip(const std::string& name) {
    Clear_Drawn_Texts();
    Repaint_Status_Bar();
    Pump_Messages();
    DRAWING_SURFACE strip{};
    Render_Window(Status_Bar_Window, &strip);
    Keep_View_Picture(strip, name);
    return strip;
}

const DRAWN_TEXT* Find_Drawn(const std::string& text) {
    for (int32_t i = 0; i < Get_Drawn_Text_Count(); ++i)
        if (Get_Drawn_Text(i)->Text == text) return Get_Drawn_Text(i);
    return nullptr;
}

// The width of a text on one line in the strip's font.
int32_t Strip_Font_Width(const char* text) {
    DRAWING_SURFACE scratch{};
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &scratch);
    DRAWING_FONT* font = Get_App_Font(STRIP_FONT);
    Select_Font(&dc, font);
    const int32_t width = Measure_Text_Width(&dc, text, -1);
    Release_App_Font(font);
    return width;
}

// Whether the strip's colour is on the frame's top stroke over cell `cell`.
bool Has_Frame(const DRAWING_SURFACE& strip, int32_t cell) {
    const int32_t x = Timeline_Cell_X[cell] + 70, y = 8;
    const COLOUR_VALUE pixel = Pixel_To_Colour(Get_Surface_Pixel(&strip, x, y));
    return Colour_Red(pixel) > 200 && Colour_Green(pixel) > 200 && Colour_Blue(pixel) < 100;
}

// A left click on the middle of a cell, as the status bar gets it.
void Click_Cell(int32_t cell) {
    Send_Window_Message(Status_Bar_Window, MSG_LBUTTON_DOWN, MOUSE_LEFT_HELD,
                        Pack_Point(Timeline_Cell_X[cell] + 67, 20));
    Pump_Messages();
}

int32_t Count_Questions(const std::string& caption) {
    int32_t count = 0;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages())
        if (message.Caption == caption) ++count;
    return count;
}

// A franchise in use that holds no slot of the bracket.
int32_t Find_Team_Out_Of_The_Bracket() {
    for (int32_t team = 0; team < 32; ++team)
        if (Get_Team_Stat(team, TEAM_STAT_CONTROL) != -1 && Get_Team_Playoff_Slot(team) < 0) return team;
    return -1;
}
} // namespace

using TimelineStrip = ViewFrameTest;

TEST_F(TimelineStrip, EveryCellIsFramedAndItsTextIsOneLineInsideTheFrame) {
    Open_Played_Season(4);
    // The playoffs' second round: past the season's last milestone the two
    // last cells are empty, and still framed.
    Set_User_Preference(CURRENT_WEEK, FIRST_PLAYOFF_WEEK + 1);
    const DRAWING_SURFACE strip = Paint_Strip("timeline_strip_empty_cells");
    for (int32_t cell = 0; cell < TIMELINE_CELLS; ++cell)
        EXPECT_TRUE(Has_Frame(strip, cell)) << "cell " << cell;

    // A city too long for the strip's font takes the largest smaller font
    // that holds the text on one line between the frame's slanted outlines
    // (x + 13 .. x + 121, down to row 33); a text that fits keeps the
    // strip's font.
    for (int32_t team = 0; team < 32; ++team)
        Set_Team_String("San Bernardino", team, 1);
    Set_User_Preference(CURRENT_WEEK, 0);
    Paint_Strip("timeline_strip_long_names");
    char text[128];
    int32_t shrunk = 0, kept = 0;
    for (int32_t cell = 0; cell < TIMELINE_CELLS; ++cell) {
        Get_Timeline_Cell_Text(cell, text);
        const DRAWN_TEXT* drawn = Find_Drawn(text);
        ASSERT_NE(drawn, nullptr) << text;
        const int32_t x = Timeline_Cell_X[cell];
        EXPECT_EQ(drawn->Format & (TEXT_SINGLE_LINE | TEXT_WORD_BREAK | TEXT_NO_CLIP), TEXT_SINGLE_LINE)
            << text;
        EXPECT_EQ(drawn->Rect.Left, x + 13) << text;
        EXPECT_EQ(drawn->Rect.Right, x + 121) << text;
        EXPECT_EQ(drawn->Rect.Top, 8) << text;
        EXPECT_EQ(drawn->Rect.Bottom, 33) << text;
        EXPECT_GE(drawn->Box.Left, x + 13) << text << " crosses the left outline";
        EXPECT_LE(drawn->Box.Right, x + 121) << text << " crosses the right outline";
        const int32_t width = drawn->Box.Right - drawn->Box.Left;
        if (Strip_Font_Width(text) > 108) {
            EXPECT_LT(width, Strip_Font_Width(text)) << text << " in a smaller font";
            EXPECT_GT(width, 108 * 3 / 4) << text << " in a font much smaller than it needs";
            ++shrunk;
        } else {
            EXPECT_EQ(width, Strip_Font_Width(text)) << text << " in the strip's font";
            ++kept;
        }
    }
    EXPECT_GT(shrunk, 0);
    EXPECT_GT(kept, 0) << "the bye weeks' texts";
}

TEST_F(TimelineStrip, APlayoffCellAsksUnlessTheUsersTeamIsOutOrInTheFirstSlot) {
    Open_Played_Season(4);
    Set_User_Preference(CURRENT_WEEK, FIRST_PLAYOFF_WEEK + 1);
    Paint_Strip("timeline_strip_playoffs");

    // A user whose team never made the bracket is still asked about the round.
    const int32_t outsider = Find_Team_Out_Of_The_Bracket();
    ASSERT_GE(outsider, 0);
    Set_User_Preference(USER_TEAM, outsider);
    Clear_Shown_Messages();
    Script_Message_Answer("Confirm", ID_BOX_NO);
    Click_Cell(0);
    ASSERT_EQ(Count_Questions("Confirm"), 1);
    EXPECT_EQ(Get_Shown_Messages().back().Text, "Simulate every Division Playoff Game?");
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), FIRST_PLAYOFF_WEEK + 1) << "\"No\" plays nothing";

    // Nothing is asked of a user whose team lost in these playoffs, nor of
    // one whose team holds the bracket's first slot.
    Clear_Shown_Messages();
    Set_Team_Record_Char(outsider, RECORD_CHAR_PLAYOFF_LOSSES, 1);
    EXPECT_EQ(Confirm_Advance_Weeks(1), ID_BOX_YES);
    Set_Team_Record_Char(outsider, RECORD_CHAR_PLAYOFF_LOSSES, 0);
    Set_Playoff_Team(0, outsider);
    EXPECT_EQ(Confirm_Advance_Weeks(1), ID_BOX_YES);
    EXPECT_EQ(Count_Questions("Confirm"), 0);
}

// While the strip is switched off it is grey and deaf to the mouse; switched
// on it answers again. A reset opens the off-season's first two steps and
// waits the last two, which show in the dim colour.
TEST_F(TimelineStrip, SwitchedOffTheStripIsGreyAndDeafAResetOpensTheFirstTwoStepsAndTheFifthCellHoldsNone) {
    Open_Played_Season(4);
    Set_User_Preference(CURRENT_WEEK, 2);
    Set_Timeline_Enabled(0);
    Paint_Strip("timeline_strip_switched_off");
    char text[128];
    Get_Timeline_Label_Text(text);
    ASSERT_NE(Find_Drawn(text), nullptr);
    EXPECT_EQ(Find_Drawn(text)->Colour, Make_Colour(180, 180, 180));
    EXPECT_FALSE(Is_Timeline_Hot_Spot(Timeline_Cell_X[0] + 67, 20));
    Clear_Shown_Messages();
    Click_Cell(0);
    EXPECT_EQ(Count_Questions("Confirm"), 0) << "a click does nothing";
    Set_Timeline_Enabled(1);
    Paint_Strip("timeline_strip_switched_on");
    EXPECT_EQ(Find_Drawn(text)->Colour, Make_Colour(255, 255, 0));
    EXPECT_TRUE(Is_Timeline_Hot_Spot(Timeline_Cell_X[0] + 67, 20));
    Script_Message_Answer("Confirm", ID_BOX_NO);
    Click_Cell(0);
    EXPECT_EQ(Count_Questions("Confirm"), 1);

    // The off-season: the first two steps open, the other two waiting.
    for (int32_t k = 0; k < OFF_SEASON_STEPS; ++k)
        Set_User_Preference(OFF_SEASON_STEPS_SETTING + k, k % 2);
    Reset_Off_Season_Steps();
    for (int32_t k = 0; k < OFF_SEASON_STEPS; ++k)
        EXPECT_EQ(Get_User_Preference(OFF_SEASON_STEPS_SETTING + k), k < 2 ? 0 : 1) << "step " << k;
    Set_User_Preference(CURRENT_WEEK, FIRST_PLAYOFF_WEEK + 4);
    Paint_Strip("timeline_strip_off_season_reset");
    EXPECT_EQ(Find_Drawn("Free Agents")->Colour, Make_Colour(255, 255, 0));
    EXPECT_EQ(Find_Drawn("College Draft")->Colour, Make_Colour(160, 160, 0));
    EXPECT_EQ(Find_Drawn("Begin Season")->Colour, Make_Colour(160, 160, 0));

    // The fifth cell of the off-season holds no step: a click there marks
    // nothing (the four steps are all there are) and moves nothing.
    Clear_Shown_Messages();
    const int32_t after_steps = Get_User_Preference(OFF_SEASON_STEPS_SETTING + OFF_SEASON_STEPS);
    EXPECT_FALSE(Is_Timeline_Hot_Spot(Timeline_Cell_X[4] + 67, 20));
    Click_Cell(4);
    for (int32_t k = 0; k < OFF_SEASON_STEPS; ++k)
        EXPECT_EQ(Get_User_Preference(OFF_SEASON_STEPS_SETTING + k), k < 2 ? 0 : 1) << "step " << k;
    EXPECT_EQ(Get_User_Preference(OFF_SEASON_STEPS_SETTING + OFF_SEASON_STEPS), after_steps);
    EXPECT_EQ(Get_User_Preference(CURRENT_WEEK), FIRST_PLAYOFF_WEEK + 4);
    EXPECT_TRUE(Get_Shown_Messages().empty());
}

namespace {
// What the user sees behind "Replay Mode Ended" as it comes up.
struct REPLAY_END_SEEN {
    int32_t Told = 0;
    int32_t Year = 0;
    int32_t Bars = 0;
    int32_t Stale_Rows = -1;
    int32_t View_Height = 0;
};

void Look_Behind_Replay_End(void* context) {
    REPLAY_END_SEEN& seen = *static_cast<REPLAY_END_SEEN*>(context);
    ++seen.Told;
    seen.Year = Get_Current_Year();
    seen.Bars = Status_Bar_Exists() + (News_Ticker_Exists() != 0 ? 1 : 0);
    seen.Stale_Rows = Count_Stale_View_Rows();
    seen.View_Height = Get_Back_Buffer_Surface()->Height;
    DRAWING_SURFACE screen{};
    Render_Screen(&screen, VIEW_PICTURE_WIDTH, MENU_BAR_HEIGHT + VIEW_PICTURE_HEIGHT + STATUS_BAR_HEIGHT);
    Keep_View_Picture(screen, "timeline_replay_mode_ended");
}

// The played 2021 season in Replay Mode, in its off-season, the news ticker on.
void Open_Replayed_Off_Season() {
    Open_Played_Season(4);
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Create_Status_Bar();
    Set_Current_View(40030);
    Universe.Header.Replay_Mode = 1;
    Clear_Shown_Messages();
}
} // namespace

// A 2021 league in Replay Mode, its champion crowned: the status bar's
// "Begin Season", Yes to the computer drafting, takes it through the draft
// into 2022, past the real seasons. Replay Mode ends, and the user is told
// once, when the new season stands set up under its bars; the user's team is
// his again. Play Multiple Seasons from the same off-season ends the mode
// without a word.
TEST_F(TimelineStrip, BeginSeasonIntoTheSeasonPastTheRealOnesTellsThatReplayModeEnded) {
    const PLAYING_FOLDER playing("timeline-replay-ended");
    Open_Replayed_Off_Season();
    ASSERT_EQ(Get_Current_Year(), 2021);
    ASSERT_GE(Get_User_Preference(CURRENT_WEEK), FIRST_PLAYOFF_WEEK + 4) << "the off-season";
    const int32_t user_team = Get_User_Preference(USER_TEAM);
    Paint_Strip("timeline_replay_off_season");
    ASSERT_NE(Find_Drawn("Begin Season"), nullptr);

    REPLAY_END_SEEN seen;
    Script_Message_Answer("College Draft", ID_BOX_YES);
    Script_Message_Answer("Replay Mode Ended", ID_BOX_OK, Look_Behind_Replay_End, &seen);
    Click_Cell(3);
    EXPECT_EQ(Count_Questions("College Draft"), 1) << "the computer drafts for the user";
    EXPECT_EQ(Get_Current_Year(), 2022);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0);
    EXPECT_EQ(Count_Questions("Replay Mode Ended"), 1);
    EXPECT_EQ(seen.Told, 1);
    EXPECT_EQ(seen.Year, 2022) << "told over the new season";
    EXPECT_EQ(seen.Bars, 2) << "the status bar and the news ticker";
    EXPECT_EQ(seen.View_Height, VIEW_PICTURE_HEIGHT - NEWS_TICKER_HEIGHT);
    EXPECT_EQ(seen.Stale_Rows, 0);
    EXPECT_EQ(Get_User_Preference(MULTI_SEASON_SIMULATION), 0);
    EXPECT_EQ(Get_Team_Stat(user_team, TEAM_STAT_CONTROL), TEAM_CONTROL_HUMAN);

    ASSERT_NE(Load_Game("played.kor"), 0);
    Open_Replayed_Off_Season();
    Script_Dialog_Answer(PLAY_MULTIPLE_SEASONS_DIALOG, 1);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_PLAY_SEASONS, 0);
    EXPECT_EQ(Get_Current_Year(), 2022);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0);
    EXPECT_EQ(Count_Questions("Replay Mode Ended"), 0) << "a run of seasons tells nothing";
}
