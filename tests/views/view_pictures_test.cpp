// Every view of the main window painted over a played season, on the
// default skin, a light skin and with the Options' dark text.
#include <gtest/gtest.h>

#include <string>

#include "app/design_scaling.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "app/news_ticker.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "personnel/draft_state.h"
#include "platform/backend.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/scratch_folder.h"
#include "support/view_frame.h"
#include "views/current_view.h"
#include "views/leaders_view.h"
#include "views/standings_view.h"
#include "views/view_drawing.h"

namespace {
struct VIEW_CASE {
    int32_t View;
    const char* Name;
    const char* Text; // a text the painter must draw
};

constexpr VIEW_CASE VIEWS[] = {
    {40030, "standings", "Standings"},
    {40032, "leaders", "Leaders"},
    {40034, "finances", "Finances"},
    {40036, "calendar", "Click to Change Team"},
    {40037, "korva_hall_of_fame", "Corvin Ashdale"},
    {40069, "playoffs", "Super Bowl"},
    {40070, "draft_board", "Draft: Round 1"},
    {40074, "champions", "2021"},
    {40086, "games", "Box Score"},
};
} // namespace

using ViewPictures = ViewFrameTest;

TEST_F(ViewPictures, EveryViewPaintsThePlayedSeason) {
    Open_Played_Season(4);
    struct LOOK {
        const char* Skin;
        int32_t Dark;
    };
    for (const LOOK look : {LOOK{"earth", 0}, LOOK{"ice", 0}, LOOK{"fire", 1}}) {
        Set_Skin_Name(look.Skin);
        Set_User_Preference(DARK_TEXT_SETTING, look.Dark);
        for (const VIEW_CASE& view : VIEWS) {
            const DRAWING_SURFACE& picture = Paint_View_Picture(view.View);
            ASSERT_EQ(picture.Width, VIEW_PICTURE_WIDTH);
            ASSERT_EQ(picture.Height, VIEW_PICTURE_HEIGHT);
            EXPECT_GT(Count_Drawn_Texts(view.Text), 0) << view.Name << " on " << look.Skin;
            Keep_View_Picture(picture, std::string(view.Name) + "_" + look.Skin + (look.Dark ? "_dark" : ""));
        }
    }
}

TEST_F(ViewPictures, TheTimelineStripThroughTheSeason) {
    Open_Played_Season(4);
    struct MOMENT {
        int32_t Week;
        const char* Name;
        const char* Text;
    };
    // The played season's calendar: four games in five weeks, then the playoffs.
    for (const MOMENT moment : {MOMENT{2, "week_3", "Week 4"}, MOMENT{6, "playoffs", "Conference"},
                                MOMENT{11, "off_season", "Free Agents"}}) {
        Set_User_Preference(CURRENT_WEEK, moment.Week);
        Clear_Drawn_Texts();
        Repaint_Status_Bar();
        Pump_Messages();
        EXPECT_GT(Count_Drawn_Texts(moment.Text), 0) << moment.Name;
        DRAWING_SURFACE strip{};
        Render_Window(Status_Bar_Window, &strip);
        EXPECT_EQ(strip.Height, STATUS_BAR_HEIGHT);
        Keep_View_Picture(strip, std::string("timeline_") + moment.Name);
    }
}

TEST_F(ViewPictures, TheAllTimeLeadersAndAnEnlargedList) {
    Open_Played_Season(4);
    Set_User_Preference(LEADER_MODE_SETTING, LEADERS_ALL_TIME);
    Keep_View_Picture(Paint_View_Picture(40032), "leaders_all_time");
    EXPECT_GT(Count_Drawn_Texts("All-Time Leaders"), 0);
    Set_User_Preference(LEADER_STATE_SETTING, 1 << 8); // list 0 enlarged, career
    Keep_View_Picture(Paint_View_Picture(40032), "leaders_all_time_enlarged");
    EXPECT_GT(Count_Drawn_Texts("Through"), 0) << "the career list's columns";
}

namespace {
// The rows of the screen's client area (under the menu bar) that hold not one
// painted pixel: black from edge to edge.
int32_t Count_Unpainted_Rows(const DRAWING_SURFACE& screen) {
    int32_t rows = 0;
    for (int32_t y = MENU_BAR_HEIGHT; y < screen.Height; ++y) {
        bool painted = false;
        for (int32_t x = 0; x < screen.Width && !painted; ++x)
            painted = (screen.Pixels[static_cast<size_t>(y) * screen.Width + x] & 0x00FFFFFF) != 0;
        if (!painted) ++rows;
    }
    return rows;
}

DRAWING_SURFACE Render_Main_Window_Screen() {
    DRAWING_SURFACE screen{};
    Render_Screen(&screen, VIEW_PICTURE_WIDTH, MENU_BAR_HEIGHT + VIEW_PICTURE_HEIGHT + STATUS_BAR_HEIGHT);
    return screen;
}
} // namespace

// The college draft takes the status bar and the news ticker down: its board
// then fills the window to the bottom, and once the draft is over the bars
// come back under the views (the ticker is a black band of its own).
TEST_F(ViewPictures, TheDraftBoardFillsTheWindowWhileTheDraftHasTheBarsDown) {
    const PLAYING_FOLDER playing("draft-board-bars");
    Open_Played_Season(4);
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Create_Status_Bar();
    Set_Current_View(40030);
    Pump_Messages();
    const int32_t client_height = VIEW_PICTURE_HEIGHT + STATUS_BAR_HEIGHT;
    EXPECT_EQ(Get_Back_Buffer_Surface()->Height, client_height - STATUS_BAR_HEIGHT - NEWS_TICKER_HEIGHT);

    Script_Message_Answer("Begin College Draft?", ID_BOX_YES);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_PLAY_ONE_WEEK, 0);
    ASSERT_EQ(Is_College_Draft_Underway(), 1) << "the user's team is on the clock";
    ASSERT_EQ(Status_Bar_Exists(), 0);
    Pump_Messages();
    EXPECT_EQ(Get_Current_View(), 40070);
    EXPECT_EQ(Get_Back_Buffer_Surface()->Height, client_height);
    const DRAWING_SURFACE during = Render_Main_Window_Screen();
    EXPECT_EQ(Count_Unpainted_Rows(during), 0);
    Keep_View_Picture(during, "draft_board_without_bars");

    Script_Message_Answer("End College Draft?", ID_BOX_YES);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_PLAY_END_DRAFT, 0);
    ASSERT_EQ(Is_College_Draft_Underway(), 0);
    EXPECT_EQ(Status_Bar_Exists(), 1);
    Pump_Messages();
    EXPECT_EQ(Get_Back_Buffer_Surface()->Height, client_height - STATUS_BAR_HEIGHT - NEWS_TICKER_HEIGHT);
    Keep_View_Picture(Render_Main_Window_Screen(), "new_season_with_bars");
}

// The standings' division bars are in their league's colour; the view's
// background can be drawn alone, without a text.
TEST_F(ViewPictures, TheStandingsBarsTakeTheirLeaguesColourAndTheBackgroundComesAlone) {
    Open_Played_Season(4);
    EXPECT_EQ(Get_League_Colour(0), static_cast<COLOUR_VALUE>(0x101060));
    EXPECT_EQ(Get_League_Colour(1), static_cast<COLOUR_VALUE>(0x703000));
    EXPECT_EQ(Get_League_Colour(7), Get_League_Colour(0)) << "an index out of range";
    for (const int32_t league : {0, 1}) {
        Set_User_Preference(SHOWN_LEAGUE, league);
        const DRAWING_SURFACE& picture = Paint_View_Picture(40030);
        // The bar's left end, below the division name's start.
        RECT_AREA bar = {2, Get_Division_Top(4 * league) + 2, 3, Get_Division_Top(4 * league) + 3};
        Scale_Rect_To_Window(&bar);
        EXPECT_EQ(Pixel_To_Colour(Get_Surface_Pixel(&picture, bar.Left, bar.Top)), Get_League_Colour(league))
            << "league " << league;
    }
    Clear_Drawn_Texts();
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    ASSERT_NE(dc, nullptr);
    Current_Background_Name[0] = '\0';
    Paint_Standings_Background(dc);
    Release_Main_Window_DC();
    EXPECT_NE(std::string(Current_Background_Name).find("standing.jpg"), std::string::npos);
    EXPECT_EQ(Get_Drawn_Text_Count(), 0);
}

// A historical game whose college draft ends into 2022, past the real
// seasons: Replay Mode ends with the new season's start, and the user is
// told when that season stands set up on the screen, its bars back under the
// standings, not while the bars are down in the middle of the start.
TEST_F(ViewPictures, ReplayModeEndedIsToldOverTheNewSeasonWithItsBars) {
    const PLAYING_FOLDER playing("replay-mode-ended");
    Open_Played_Season(4);
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Create_Status_Bar();
    Set_Current_View(40030);
    Universe.Header.Replay_Mode = 1;
    Script_Message_Answer("Begin College Draft?", ID_BOX_YES);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_PLAY_ONE_WEEK, 0);
    ASSERT_EQ(Is_College_Draft_Underway(), 1);
    ASSERT_EQ(Get_Current_Year(), 2022);

    struct SEEN {
        bool Told = false;
        int32_t Bars = 0, Stale_Rows = -1, Height = 0;
    } seen;
    Script_Message_Answer("End College Draft?", ID_BOX_YES);
    Script_Message_Answer(
        "Replay Mode Ended", ID_BOX_OK,
        [](void* context) {
            SEEN& at = *static_cast<SEEN*>(context);
            at.Told = true;
            at.Bars = Status_Bar_Exists() + (News_Ticker_Exists() != 0 ? 1 : 0);
            at.Stale_Rows = Count_Stale_View_Rows();
            at.Height = Get_Back_Buffer_Surface()->Height;
            Keep_View_Picture(Render_Main_Window_Screen(), "replay_mode_ended");
        },
        &seen);
    Send_Window_Message(Main_Window, MSG_COMMAND, ID_PLAY_END_DRAFT, 0);
    EXPECT_EQ(Universe.Header.Replay_Mode, 0);
    ASSERT_TRUE(seen.Told);
    EXPECT_EQ(seen.Bars, 2) << "the status bar and the news ticker";
    EXPECT_EQ(seen.Height, VIEW_PICTURE_HEIGHT + STATUS_BAR_HEIGHT - STATUS_BAR_HEIGHT - NEWS_TICKER_HEIGHT);
    EXPECT_EQ(seen.Stale_Rows, 0);
}
