#include <gtest/gtest.h>

#include <string>

#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/drawing_services.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "database/league_structure.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "support/debug_log.h"

namespace {
class DrawingServices : public testing::Test {
  protected:
    void SetUp() override {
        // The view's height depends on the view shown and the news ticker's setting.
        Clear_Universe();
        Reset_Diagnostics();
        Clear_Debug_Log();
        Clear_Drawn_Texts();
        Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
        ASSERT_EQ(Create_Main_Window_Back_Buffer(DEFAULT_BACK_BUFFER_WIDTH, DEFAULT_BACK_BUFFER_HEIGHT), 1);
    }
    void TearDown() override { Destroy_Main_Window_Back_Buffer(); }
};

uint32_t Pixel(int32_t x, int32_t y) {
    return Get_Surface_Pixel(Get_Back_Buffer_Surface(), x, y);
}
} // namespace

TEST_F(DrawingServices, ReleasingTheBackBufferContextTooOftenIsReportedAndCountsOnBelowZero) {
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    ASSERT_NE(dc, nullptr);
    Set_Text_Colour(dc, Make_Colour(1, 2, 3));
    EXPECT_EQ(Get_Main_Window_DC_Count(), 1);
    Release_Main_Window_DC();
    EXPECT_NE(dc->State.Text_Colour, Make_Colour(1, 2, 3)) << "releasing restores the state saved on taking";
    EXPECT_EQ(Count_Error_Lines(), 0) << "a balanced take and release is quiet";

    Release_Main_Window_DC();
    EXPECT_EQ(Count_Debug_Lines("Trying to release MainWindow DC too many times!"), 1);
    EXPECT_NE(Read_Debug_Log_Text().find("Count is at: -1"), std::string::npos);
    EXPECT_EQ(Get_Main_Window_DC_Count(), -1) << "the count is not clamped";
    Acquire_Main_Window_DC();
    Set_Text_Colour(dc, Make_Colour(4, 5, 6));
    Release_Main_Window_DC();
    EXPECT_EQ(Count_Debug_Lines("Trying to release MainWindow DC too many times!"), 2)
        << "the next pair starts from -1, so its release is reported too";
    EXPECT_NE(dc->State.Text_Colour, Make_Colour(4, 5, 6)) << "a reported release still restores the state";
    EXPECT_EQ(Get_Main_Window_DC_Count(), -1);
}

TEST_F(DrawingServices, NoContextWithoutABackBuffer) {
    Destroy_Main_Window_Back_Buffer();
    EXPECT_EQ(Acquire_Main_Window_DC(), nullptr);
    EXPECT_EQ(Get_Main_Window_DC_Count(), 0);
    ASSERT_EQ(Create_Main_Window_Back_Buffer(0, 10), 0) << "an impossible size is refused";
    EXPECT_EQ(Acquire_Main_Window_DC(), nullptr);
    EXPECT_EQ(Count_Error_Lines(), 0) << "the refusal is the result alone";
}

TEST_F(DrawingServices, FillRectangleIncludesRightAndBottomAndStaysOnTheSurface) {
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    const COLOUR_VALUE red = Make_Colour(200, 10, 20);
    Fill_Rectangle(dc, 0, 0, 9, 9, red);
    EXPECT_EQ(Pixel(0, 0), Colour_To_Pixel(red));
    EXPECT_EQ(Pixel(9, 9), Colour_To_Pixel(red)) << "right and bottom are included";
    EXPECT_NE(Pixel(10, 9), Colour_To_Pixel(red));
    EXPECT_NE(Pixel(9, 10), Colour_To_Pixel(red));
    EXPECT_EQ(Pixel(5, 5) & 0xFFu, 20u) << "blue is the first byte of a BGRA pixel";
    // Beyond the edges: clipped, no write outside the pixels.
    Fill_Rectangle(dc, 1000, 600, 5000, 5000, red);
    EXPECT_EQ(Pixel(1023, 675), Colour_To_Pixel(red));
    Fill_Rectangle(dc, -50, -50, -1, -1, Make_Colour(0, 255, 0));
    EXPECT_EQ(Pixel(0, 0), Colour_To_Pixel(red));
    Release_Main_Window_DC();
}

TEST_F(DrawingServices, DesignRectanglesScaleToTheWindow) {
    RECT_AREA rect{668, 25, 760, 54};
    Scale_Rect_To_Window(&rect);
    EXPECT_EQ(rect.Left, 891); // 668 * 1024 / 768 = 890.67
    EXPECT_EQ(rect.Right, 1013);
    EXPECT_EQ(rect.Top, 33); // 25 * 676 / 507 = 33.3
    EXPECT_EQ(rect.Bottom, 72);
    Set_Main_Window_Geometry({0, 0, 700, 400}, {0, 0, 700, 400});
    rect = {668, 25, 760, 54};
    Scale_Rect_To_Window(&rect);
    EXPECT_EQ(rect.Left, 668) << "a window smaller than the design is not scaled";
    EXPECT_EQ(rect.Bottom, 54);
    RECT_AREA out;
    EXPECT_EQ(Copy_Enlarged_Rectangle(&out, {10, 20, 5, 30}), 0);
    EXPECT_EQ(
        Count_Debug_Lines("Invalid rectangle generated in Copy_Enlarged_Rectangle(20,30,10,5 -> 20,30,10,5)"),
        1);
    // Under a full-window view the bars that are there come off the client
    // area; without a main window there are none, whatever the options say.
    Set_Main_Window_Geometry({0, 0, 1024, 736}, {0, 0, 1024, 736});
    Set_Current_View_Setting(40030);
    Set_User_Preference(SHOW_NEWS_TICKER, 1);
    RECT_AREA view;
    Get_View_Rect(&view);
    EXPECT_EQ(view.Bottom, 736) << "no status bar and no ticker take their room";
    ASSERT_EQ(Create_Main_Window_Back_Buffer_For_Window(), 1);
    EXPECT_EQ(Get_Back_Buffer_Height(), 736);
    Set_Current_View_Setting(0);
    Get_View_Rect(&view);
    EXPECT_EQ(view.Bottom, 736) << "other views keep the whole client area";
    Set_User_Preference(SHOW_NEWS_TICKER, 0);
}

TEST_F(DrawingServices, TextIsRenderedInTheScaledRectangleAndTraced) {
    DEVICE_CONTEXT* dc = Acquire_Main_Window_DC();
    Fill_Surface_Area(dc, {0, 0, 1024, 676}, Make_Colour(0, 0, 0));
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Set_Text_Colour(dc, Make_Colour(255, 249, 69));
    const int32_t height = Draw_Text_In_Scaled_Rect(dc, "Bears", {384, 0, 768, 507}, TEXT_SINGLE_LINE, 1);
    EXPECT_GT(height, 0);
    EXPECT_LT(height, 30) << "returned in design units";
    ASSERT_EQ(Get_Drawn_Text_Count(), 1);
    const DRAWN_TEXT* drawn = Get_Drawn_Text(0);
    EXPECT_STREQ(drawn->Text, "Bears");
    EXPECT_EQ(drawn->Rect.Left, 512) << "scaled to the window at the design size too";
    EXPECT_EQ(drawn->Format, TEXT_SINGLE_LINE | TEXT_NO_PREFIX);
    // The letters are painted in the text colour inside the rectangle only.
    int inside = 0, outside = 0;
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 1024; ++x)
            if (Pixel(x, y) == Colour_To_Pixel(Make_Colour(255, 249, 69))) (x >= 512 ? inside : outside)++;
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);

    // Vertical centring of wrapped text moves the top by half the spare height.
    Draw_Text_In_Scaled_Rect(dc, "one\ntwo", {0, 100, 50, 200}, TEXT_VERTICAL_CENTRE, 0);
    EXPECT_GT(Get_Drawn_Text(1)->Rect.Top, 100 + 20);
    Draw_Text_In_Scaled_Rect(dc, "one", {0, 100, 50, 200}, TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, 0);
    EXPECT_EQ(Get_Drawn_Text(2)->Rect.Top, 100) << "single-line centring is left to the layout";
    Release_Main_Window_DC();
}
