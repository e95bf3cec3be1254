#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/bitmap_cache.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/news_ticker.h"
#include "app/png_files.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/label_drawing.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/png_file.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/debug_log.h"
#include "support/frame_fixture.h"
#include "views/current_view.h"
#include "views/owner_hall_of_fame.h"
#include "views/owner_hall_of_fame_file.h"
#include "views/point_spreads.h"

namespace {
constexpr int32_t STANDINGS_VIEW = 40030;

uint32_t Pixel_At(const DRAWING_SURFACE& picture, int32_t x, int32_t y) {
    return Get_Surface_Pixel(&picture, x, y);
}

bool Is_Ticker_Pausing(void*) {
    return Has_Window_Timer(News_Ticker_Window, TICKER_ITEM_PAUSE_TIMER);
}

void Start_With_Bars() {
    Start_Frame_Without_Loop();
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Create_Status_Bar();
    Set_Current_View(STANDINGS_VIEW);
    Pump_Messages();
}
} // namespace

using MainWindow = FrameTest;

TEST_F(MainWindow, PictureShowsMenuBarViewTickerAndStatusBar) {
    // The installation's pictures of the earth skin.
    std::filesystem::create_symlink(std::string(KORVA_DATA_DIR) + "/skins", "skins");
    Set_Skin_Name("earth");
    Init_Image_Caches();
    Start_With_Bars();
    DRAWING_SURFACE picture{};
    Render_Window(Main_Window, &picture);
    Free_Image_Caches();
    std::filesystem::remove("skins");
    ASSERT_EQ(picture.Width, TEST_SCREEN_WIDTH) << "the minimum shape fills the test screen";
    ASSERT_EQ(picture.Height, TEST_SCREEN_HEIGHT);
    EXPECT_EQ(Write_Window_PNG(Main_Window, "main_window.png"), 1);
    // KORVA_PICTURE_DIR keeps a copy to look at.
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&picture, (std::string(folder) + "/main_window.png").c_str());
    DRAWING_SURFACE read{};
    ASSERT_EQ(Read_Surface_PNG("main_window.png", &read), 1);
    EXPECT_EQ(read.Width, picture.Width) << "the PNG holds the picture";

    // Bands from the top: menu bar 20, view 616, status bar 36, and the ticker's
    // 24 at the bottom edge, where both bars dock; the news bar picture of the
    // skin draws a two-pixel rim along the ticker's edges.
    const int32_t view_top = MENU_BAR_HEIGHT;
    const int32_t status_top = TEST_SCREEN_HEIGHT - NEWS_TICKER_HEIGHT - STATUS_BAR_HEIGHT;
    const int32_t ticker_top = TEST_SCREEN_HEIGHT - NEWS_TICKER_HEIGHT;
    EXPECT_EQ(Get_Back_Buffer_Height(), status_top - view_top) << "the view area is the back buffer";
    EXPECT_EQ(Get_Back_Buffer_Width(), TEST_SCREEN_WIDTH);
    // Column 1000 lies right of the menu titles and the ticker's text.
    const uint32_t menu = Pixel_At(picture, 1000, 5);
    const uint32_t status = Pixel_At(picture, 1000, status_top + 18);
    const uint32_t ticker = Pixel_At(picture, 1000, ticker_top + 12);
    EXPECT_EQ(ticker, Colour_To_Pixel(Make_Colour(0, 0, 0))) << "the ticker is a black band";
    EXPECT_NE(menu, status);
    EXPECT_NE(status, ticker);
    int32_t picture_pixels = 0;
    for (int32_t y = 0; y < TEST_SCREEN_HEIGHT; ++y) {
        const uint32_t pixel = Pixel_At(picture, 1000, y);
        if (y < view_top - 1) {
            ASSERT_EQ(pixel, menu) << "row " << y;
        } else if (y >= view_top && y < status_top) {
            if (pixel != ticker && pixel != status) ++picture_pixels;
        } else if (y >= status_top && y < ticker_top) {
            // The skin's bar picture shades the status bar from top to bottom.
            ASSERT_NE(pixel, ticker) << "row " << y;
            ASSERT_NE(pixel, menu) << "row " << y;
        } else if (y >= ticker_top + 2 && y < TEST_SCREEN_HEIGHT - 2) {
            ASSERT_EQ(pixel, ticker) << "row " << y;
        }
    }
    EXPECT_NE(Pixel_At(picture, 1000, ticker_top), ticker) << "the skin's news bar rims the ticker";
    EXPECT_GT(picture_pixels, (status_top - view_top) / 2) << "the start-up picture fills the view";
}

TEST_F(MainWindow, OpensAtTheRememberedPlacementOrMaximizedAlwaysInItsShape) {
    Start_Frame_Without_Loop();
    EXPECT_EQ(Get_Window_Show_State(Main_Window), SHOW_STATE_MAXIMIZED)
        << "a fresh Hall of Fame file has zeros";
    Set_Window_Show_State(Main_Window, SHOW_STATE_NORMAL);
    Move_Window(Main_Window, {10, 20, 10 + 1100, 20 + 748});
    Save_Window_Placement(Main_Window);
    RECT_AREA remembered;
    Read_Window_Placement(&remembered);
    EXPECT_EQ(remembered.Left, 10);
    EXPECT_EQ(remembered.Bottom, 768);
    Destroy_All_Windows();
    ASSERT_NE(Create_Main_Window(), NO_WINDOW);
    RECT_AREA rect;
    Get_Window_Rect(Main_Window, &rect);
    EXPECT_EQ(rect.Top, 20);
    EXPECT_EQ(rect.Bottom - rect.Top, 748);
    EXPECT_EQ(rect.Right - rect.Left, static_cast<int32_t>(748.0f * (1024.0f / 696.0f)))
        << "width from the height";
    Set_Window_Show_State(Main_Window, SHOW_STATE_MAXIMIZED);
    Save_Window_Placement(Main_Window);
    Read_Window_Placement(&remembered);
    EXPECT_EQ(remembered.Right, 0) << "a window filling the screen is remembered as zeros";

    // On a screen of another shape the window opened maximized keeps the
    // shape: the whole height, the width from it.
    Destroy_All_Windows();
    Set_Null_Surface_Size(1280, 800);
    ASSERT_NE(Create_Main_Window(), NO_WINDOW);
    EXPECT_EQ(Get_Window_Show_State(Main_Window), SHOW_STATE_MAXIMIZED);
    Get_Window_Rect(Main_Window, &rect);
    EXPECT_EQ(rect.Bottom - rect.Top, 800);
    EXPECT_EQ(rect.Right - rect.Left, static_cast<int32_t>(800.0f * (1024.0f / 696.0f)))
        << "width from the height, not the screen's";
    EXPECT_EQ(rect.Right - rect.Left, 1177);
    EXPECT_EQ(Get_Back_Buffer_Width(), 1177) << "the view is drawn across the window's width";
    // On a screen narrower than the shape the width from the height would
    // leave the screen: the window takes the screen's width, the height from it.
    Destroy_All_Windows();
    Set_Null_Surface_Size(1024, 768);
    ASSERT_NE(Create_Main_Window(), NO_WINDOW);
    Get_Window_Rect(Main_Window, &rect);
    EXPECT_EQ(rect.Right - rect.Left, 1024) << "not the 1130 the height would give";
    EXPECT_EQ(rect.Bottom - rect.Top, 696);
    Destroy_All_Windows();
    Set_Null_Surface_Size(1280, 1024);
    ASSERT_NE(Create_Main_Window(), NO_WINDOW);
    Get_Window_Rect(Main_Window, &rect);
    EXPECT_EQ(rect.Right - rect.Left, 1280);
    EXPECT_EQ(rect.Bottom - rect.Top, static_cast<int32_t>(1280.0f / (1024.0f / 696.0f)));
    // A screen below the minimum still gets a window of the minimum size.
    Destroy_All_Windows();
    Set_Null_Surface_Size(900, 600);
    ASSERT_NE(Create_Main_Window(), NO_WINDOW);
    Get_Window_Rect(Main_Window, &rect);
    EXPECT_EQ(rect.Right - rect.Left, 1024);
    EXPECT_EQ(rect.Bottom - rect.Top, 696);
}

TEST_F(MainWindow, APlacementOutOfSightOrOutOfReasonOpensItFillingTheScreen) {
    Start_Frame_Without_Loop();
    const RECT_AREA damaged[] = {{INT32_MAX - 10, -5, INT32_MAX, 1 << 30},
                                 {900, 600, 100, 50},
                                 {5000, 5000, 6100, 5748},
                                 {INT32_MIN, 0, 800, 600},
                                 // Touches the screen only until it is grown to the minimum.
                                 {-1153, -1, 127, 64}};
    for (const RECT_AREA& placement : damaged) {
        std::unique_ptr<uint8_t[]> image(new uint8_t[OWNER_HALL_OF_FAME_SIZE]);
        Read_Owner_Hall_Of_Fame_File(image.get());
        std::memcpy(image.get() + WINDOW_PLACEMENT_OFFSET, &placement, sizeof placement);
        ASSERT_EQ(Write_Owner_Hall_Of_Fame_File(image.get()), 1);
        Destroy_All_Windows();
        ASSERT_NE(Create_Main_Window(), NO_WINDOW);
        EXPECT_EQ(Get_Window_Show_State(Main_Window), SHOW_STATE_MAXIMIZED)
            << placement.Left << "," << placement.Top;
        RECT_AREA rect;
        Get_Window_Rect(Main_Window, &rect);
        EXPECT_EQ(rect.Top, 0);
        EXPECT_GT(rect.Right, rect.Left);
    }
}

// A small remembered rectangle is judged at the size the window is given: it
// opens where the file puts it when that size still shows on the screen.
TEST_F(MainWindow, ASmallPlacementIsJudgedAtTheSizeItGrowsTo) {
    Start_Frame_Without_Loop();
    struct CASE {
        RECT_AREA Placement;
        bool Kept;
    };
    const CASE cases[] = {{{-900, -1, 127, 64}, true},
                          {{-1000, 5, 40, 30}, true},
                          {{-1100, 5, 40, 30}, false},
                          {{-1153, -1, 127, 64}, false}};
    for (const CASE& c : cases) {
        std::unique_ptr<uint8_t[]> image(new uint8_t[OWNER_HALL_OF_FAME_SIZE]);
        Read_Owner_Hall_Of_Fame_File(image.get());
        std::memcpy(image.get() + WINDOW_PLACEMENT_OFFSET, &c.Placement, sizeof c.Placement);
        ASSERT_EQ(Write_Owner_Hall_Of_Fame_File(image.get()), 1);
        Destroy_All_Windows();
        ASSERT_NE(Create_Main_Window(), NO_WINDOW);
        RECT_AREA rect;
        Get_Window_Rect(Main_Window, &rect);
        const std::string where = std::to_string(c.Placement.Left) + "," + std::to_string(c.Placement.Top);
        EXPECT_GT(rect.Right, 0) << where;
        EXPECT_LT(rect.Left, TEST_SCREEN_WIDTH) << where;
        EXPECT_EQ(rect.Bottom - rect.Top, TEST_SCREEN_HEIGHT) << where << ": grown to the minimum";
        if (c.Kept) {
            EXPECT_EQ(Get_Window_Show_State(Main_Window), SHOW_STATE_NORMAL) << where;
            EXPECT_EQ(rect.Left, c.Placement.Left) << where << ": the corner is the file's";
            EXPECT_EQ(rect.Top, c.Placement.Top) << where;
        } else {
            EXPECT_EQ(Get_Window_Show_State(Main_Window), SHOW_STATE_MAXIMIZED) << where;
            EXPECT_EQ(rect.Left, 0) << where;
        }
    }
}

TEST_F(MainWindow, DraggingKeepsTheMinimumAndTheShape) {
    Start_Frame_Without_Loop();
    RECT_AREA rect = {500, 100, 1300, 700}; // too narrow and too low
    EXPECT_TRUE(Constrain_Main_Window_Sizing(&rect, SIZING_EDGE_LEFT));
    EXPECT_EQ(rect.Right, 1300) << "the left edge moves, never the right";
    EXPECT_EQ(rect.Left, 1300 - 1024);
    EXPECT_EQ(rect.Bottom - rect.Top, 696);
    rect = {0, 0, 1200, 900};
    EXPECT_TRUE(Constrain_Main_Window_Sizing(&rect, SIZING_EDGE_BOTTOM));
    EXPECT_EQ(rect.Right, static_cast<int32_t>(900.0f * (1024.0f / 696.0f)));
    rect = {0, 0, 1024, 696};
    EXPECT_FALSE(Constrain_Main_Window_Sizing(&rect, SIZING_EDGE_BOTTOM_RIGHT)) << "the minimum fits already";

    // A drag as the display reports it: the bars hide while it lasts and the
    // window paints again once it is over.
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    Create_Status_Bar();
    Send_Window_Message(Main_Window, MSG_ENTER_SIZE_MOVE, 0, 0);
    EXPECT_FALSE(Is_Window_Shown(Status_Bar_Window));
    RECT_AREA dragged = {0, 0, 1100, 760};
    Send_Window_Message(Main_Window, MSG_SIZING, SIZING_EDGE_BOTTOM_RIGHT,
                        reinterpret_cast<intptr_t>(&dragged));
    Move_Window(Main_Window, dragged);
    EXPECT_EQ(Sizing_In_Progress, 1);
    Send_Window_Message(Main_Window, MSG_EXIT_SIZE_MOVE, 0, 0);
    EXPECT_EQ(Sizing_In_Progress, 0);
    EXPECT_TRUE(Is_Window_Shown(Status_Bar_Window));
    RECT_AREA bar;
    Get_Window_Rect(Status_Bar_Window, &bar);
    EXPECT_EQ(bar.Bottom, 760 - NEWS_TICKER_HEIGHT) << "docked again at the new bottom";
    EXPECT_EQ(Get_Back_Buffer_Width(), dragged.Right) << "the back buffer follows the window";
}

TEST_F(MainWindow, ExitIsRefusedWhileGamesAreSimulatedUnwatched) {
    Start_Frame_Without_Loop();
    Set_User_Preference(SIMULATION_RUNNING, 1);
    Set_User_Preference(CURRENT_WEEK, 5);
    Universe.Header.Target_Week = 9;
    EXPECT_FALSE(Close_Main_Window(Main_Window));
    ASSERT_FALSE(Get_Shown_Messages().empty());
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Exit Game");
    EXPECT_EQ(Universe.Header.Target_Week, 6) << "the simulation stops after this week";
    EXPECT_TRUE(Is_Window(Main_Window));

    Set_User_Preference(SIMULATION_RUNNING, 0);
    Set_Game_Checksum(1);
    EXPECT_FALSE(Close_Main_Window(Main_Window)) << "cancel in the save prompt keeps the game";
    EXPECT_EQ(Get_Shown_Messages().back().Caption, "Game Not Saved");
    Script_Message_Answer("Game Not Saved", ID_BOX_NO);
    EXPECT_TRUE(Close_Main_Window(Main_Window));
    EXPECT_FALSE(Is_Window(Main_Window));
    EXPECT_TRUE(Is_Quit_Requested()) << "the window's end asks the loop to end";
}

TEST_F(MainWindow, TickerScrollsPausesAndCyclesOnItsTimers) {
    Start_With_Bars();
    Set_User_Preference(CURRENT_WEEK, 0);
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
    Stop_News_Ticker();
    Take_News_Ticker_DC();
    Start_Ticker_Item_Scroll(News_Ticker_Window);
    RECT_AREA client;
    Get_Client_Rect(News_Ticker_Window, &client);
    const int32_t steps = Get_News_Ticker_Steps_Left();
    EXPECT_EQ(steps, client.Right + Measure_Label_Width(Get_News_Ticker_Text(0)))
        << "text width plus the bar's width";
    EXPECT_GT(Measure_Label_Width(Get_News_Ticker_Text(0)), 100);
    EXPECT_EQ(Get_News_Ticker_X(), client.Right) << "the text starts just off the right edge";
    // One pixel per 14 ms until the text has gone: the loop runs on the clock.
    const uint32_t start = Get_Tick_Count();
    EXPECT_EQ(Run_Message_Loop_Until(Is_Ticker_Pausing, nullptr), 1);
    EXPECT_EQ(Get_Tick_Count() - start, 1 + static_cast<uint32_t>(steps - 1) * TICKER_STEP_MS)
        << "the first step at once, then every 14 ms";
    EXPECT_EQ(Get_News_Ticker_Steps_Left(), -1) << "the item has ended and the pause runs";
    Advance_Virtual_Clock(TICKER_PAUSE_MS);
    Pump_Messages();
    EXPECT_EQ(Get_News_Ticker_Slot(), 1) << "the next item starts after 1.9 s";
    EXPECT_EQ(Count_Window_DCs(News_Ticker_Window), 1) << "the ticker keeps one device context";
}

TEST_F(MainWindow, TickerPauseNeverTouchesADestroyedTicker) {
    Start_With_Bars();
    Clear_Debug_Log();
    const WINDOW_HANDLE ticker = News_Ticker_Window;
    ASSERT_TRUE(Is_Window(ticker));
    // End the first item so that its pause is pending, then take the main window down.
    Stop_News_Ticker();
    Take_News_Ticker_DC();
    Start_Ticker_Item_Scroll(ticker);
    ASSERT_EQ(Run_Message_Loop_Until(Is_Ticker_Pausing, nullptr), 1);
    Destroy_Window(Main_Window);
    EXPECT_FALSE(Is_Window(ticker));
    EXPECT_FALSE(Has_Window_Timer(ticker, TICKER_ITEM_PAUSE_TIMER)) << "the window's timers went with it";
    Advance_Virtual_Clock(10 * TICKER_PAUSE_MS);
    Pump_Messages();
    Stop_News_Ticker();
    EXPECT_EQ(Count_Error_Lines(), 0) << Read_Debug_Log_Text();
}

TEST_F(MainWindow, TickerStripIsFramedByTheSkinsNewsBarPicture) {
    // A bar picture whose top two rows are an opaque red rim, clear below.
    constexpr int32_t WIDTH = 1024, HEIGHT = NEWS_TICKER_HEIGHT;
    std::vector<uint8_t> rows(static_cast<size_t>(WIDTH) * HEIGHT * 4, 0);
    for (int32_t y = HEIGHT - 2; y < HEIGHT; ++y) // stored bottom-up
        for (int32_t x = 0; x < WIDTH; ++x) {
            uint8_t* p = &rows[(static_cast<size_t>(y) * WIDTH + static_cast<size_t>(x)) * 4];
            p[2] = 255;
            p[3] = 255;
        }
    std::filesystem::create_directories("skins/earth/news");
    ASSERT_EQ(Save_PNG_File("skins/earth/news/newsbar.png", rows.data(), WIDTH, HEIGHT, 4), 1);
    Set_Skin_Name("earth");
    Init_Image_Caches();
    Start_With_Bars();
    Repaint_News_Ticker();
    const DRAWING_SURFACE* strip = Get_Window_Surface(News_Ticker_Window);
    ASSERT_NE(strip, nullptr);
    const uint32_t red = Colour_To_Pixel(Make_Colour(255, 0, 0));
    const uint32_t black = Colour_To_Pixel(Make_Colour(0, 0, 0));
    EXPECT_EQ(Pixel_At(*strip, 10, 0), red) << "the picture's rim lies over the bar";
    EXPECT_EQ(Pixel_At(*strip, 1000, 1), red);
    EXPECT_EQ(Pixel_At(*strip, 10, 12), black) << "where the picture is clear the bar shows through";
    // A scroll step paints the strip again, rim and all.
    Advance_Virtual_Clock(TICKER_STEP_MS);
    Pump_Messages();
    EXPECT_EQ(Pixel_At(*Get_Window_Surface(News_Ticker_Window), 500, 0), red);
    Free_Image_Caches();
    std::filesystem::remove_all("skins");
}

TEST_F(MainWindow, TeamLogoIsShownAgainAfterAResize) {
    // The filler logo, which a team without a picture of its own shows: green.
    constexpr int32_t SIDE = 40;
    std::vector<uint8_t> rows(static_cast<size_t>(SIDE) * SIDE * 3, 0);
    for (size_t i = 1; i < rows.size(); i += 3)
        rows[i] = 200;
    std::filesystem::create_directories("logos");
    ASSERT_EQ(Save_PNG_File("logos/LOGO_filler.png", rows.data(), SIDE, SIDE, 3), 1);
    Init_Image_Caches();
    Set_User_Preference(USER_TEAM, 0);
    Start_With_Bars();
    const uint32_t green = Colour_To_Pixel(Make_Colour(0, 200, 0));
    // Where the logo lies: in the view's bottom-right corner, 8 pixels in.
    auto logo_pixel = []() {
        RECT_AREA client;
        Get_Client_Rect(Main_Window, &client);
        const int32_t bottom = client.Bottom - STATUS_BAR_HEIGHT - NEWS_TICKER_HEIGHT;
        return Pixel_At(*Get_Window_Surface(Main_Window), client.Right - 8 - SIDE / 2, bottom - SIDE / 2);
    };
    ASSERT_EQ(logo_pixel(), green) << "the logo before the resize";

    // A drag as the display reports it, then whatever the loop has to do.
    Send_Window_Message(Main_Window, MSG_ENTER_SIZE_MOVE, 0, 0);
    RECT_AREA dragged = {0, 0, 1100, 760};
    Send_Window_Message(Main_Window, MSG_SIZING, SIZING_EDGE_BOTTOM_RIGHT,
                        reinterpret_cast<intptr_t>(&dragged));
    Move_Window(Main_Window, dragged);
    Send_Window_Message(Main_Window, MSG_EXIT_SIZE_MOVE, 0, 0);
    Pump_Messages();
    EXPECT_EQ(logo_pixel(), green) << "the logo after the resize, at the new corner";

    // A size change that is not a drag (the window maximised, say).
    Move_Window(Main_Window, {0, 0, 1200, 830});
    Pump_Messages();
    EXPECT_EQ(logo_pixel(), green) << "the logo after a change of size";

    // The background drawn without the logo step leaves the corner as it was.
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    ASSERT_NE(dc, nullptr);
    const RECT_AREA whole = {0, 0, Get_Back_Buffer_Width(), Get_Back_Buffer_Height()};
    Fill_Surface_Area(dc, whole, Make_Colour(0, 0, 0));
    const int32_t x = whole.Right - 8 - SIDE / 2, y = whole.Bottom - SIDE / 2;
    Draw_Background_Image_Without_Logo(dc);
    EXPECT_NE(Pixel_At(*Get_Back_Buffer_Surface(), x, y), green) << "no logo";
    Draw_Screen_Background(dc);
    EXPECT_EQ(Pixel_At(*Get_Back_Buffer_Surface(), x, y), green) << "the screen background adds it";
    Release_Main_Window_DC();
    Free_Image_Caches();
    std::filesystem::remove_all("logos");
}

// The line of the week's games names each game's visitor at its home team
// (the team the scheduler was given first) with the favourite's margin.
TEST_F(MainWindow, WeekGamesLineNamesVisitorsAtHomeTeamsWithTheMargin) {
    Prepare_League_With_Week_Games(2);
    char line[TICKER_TEXT_SIZE];
    Build_Week_Games_Ticker_Line(line);
    std::string expected = "Week 1 games:     ";
    for (int32_t game = 0; game < 2; ++game) {
        char home[32], visitor[32];
        Get_Team_String(home, 2 * game, 2);
        Get_Team_String(visitor, 2 * game + 1, 2);
        const int32_t spread = std::abs(Get_Point_Spread_By_Rating(2 * game + 1, 2 * game));
        expected +=
            std::string(visitor) + " at " + home + " (-" + std::to_string((spread + 5) / 10) + "),     ";
    }
    EXPECT_EQ(std::string(line), expected + ".");
    Set_User_Preference(CURRENT_WEEK, 5);
    Build_Week_Games_Ticker_Line(line);
    EXPECT_EQ(std::string(line), "Week 6 games:     .") << "a week without games";
}
