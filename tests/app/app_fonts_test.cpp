#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_fonts.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "app/window_graphics.h"
#include "platform/text_render.h"
#include "support/debug_log.h"

namespace {
class Fonts : public testing::Test {
  protected:
    void SetUp() override {
        // Scaled rows follow the window: every test starts at the minimum size.
        Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
        Free_App_Fonts(true);
        Clear_Debug_Log();
    }
    void TearDown() override {
        Free_App_Fonts(true);
        Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
        EXPECT_EQ(Count_Live_Fonts(), 0) << "every font made is deleted";
    }
};
} // namespace

TEST_F(Fonts, ScaledRowsFollowTheWindowAndTheOthersKeepTheirSize) {
    Set_Main_Window_Geometry({0, 0, 1280, 800}, {0, 0, 1264, 741});
    ASSERT_NE(Get_App_Font(12), nullptr);
    EXPECT_EQ(Get_App_Font_Height(12), 800 * 36 / 676);
    EXPECT_EQ(Get_App_Font_Height(12), 42);
    EXPECT_EQ(Get_App_Font_Height(17), 17) << "an unscaled row";
    EXPECT_EQ(Get_App_Font_Height(33), 90);
    EXPECT_EQ(Count_Debug_Lines("Window: {0,0} {1280,800}"), 1);
    EXPECT_EQ(Count_Debug_Lines("MIN_CLIENT_WIDTH, MIN_CLIENT_HEIGHT: {1024,676}"), 1);

    Free_App_Fonts(false);
    Set_Main_Window_Geometry({0, 0, 900, 1000}, {0, 0, 900, 1000});
    Load_App_Fonts();
    EXPECT_EQ(Get_App_Font_Height(12), 900 * 36 / 1024) << "a window taller than wide scales by its width";
    EXPECT_EQ(Get_App_Font_Height(12), 31);
    EXPECT_EQ(Get_App_Font_Height(18), 21);
}

TEST_F(Fonts, UseCountsCatchOneReleaseTooManyAndRow36IsNone) {
    EXPECT_EQ(Get_App_Font(36), nullptr);
    DRAWING_FONT* font = Get_App_Font(4);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(Get_App_Font_Use_Count(4), 1);
    Release_App_Font(font);
    EXPECT_EQ(Get_App_Font_Use_Count(4), 0);
    EXPECT_EQ(Count_Error_Lines(), 0);
    Release_App_Font(font);
    EXPECT_EQ(Count_Debug_Lines("Font Error: Trying to free a font more times than it has been allocated."),
              1);
    EXPECT_EQ(Get_App_Font_Use_Count(4), 0);
    Release_App_Font(nullptr);

    // The counts on one log line, " %2d" for each of the 36 rows.
    Get_App_Font(4);
    Get_App_Font(4);
    for (int32_t n = 0; n < 12; ++n)
        Get_App_Font(35);
    Log_App_Font_Use_Counts();
    std::string counts;
    for (int32_t row = 0; row < APP_FONT_COUNT; ++row)
        counts += row == 4 ? "  2" : row == 35 ? " 12" : "  0";
    const std::vector<std::string> lines = Read_Debug_Log();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), counts);
}

namespace {
int32_t Count_Rows(int32_t face, bool scaled_only) {
    int32_t rows = 0;
    for (const APP_FONT_DEF& row : App_Font_Table)
        if (row.Face == face && (!scaled_only || row.Scaled == 1)) ++rows;
    return rows;
}
} // namespace

// Every font made whose face differs from the one asked for is logged, at
// every creation: the first load, a load after all were freed, and the scaled
// rows made again by a later load.
TEST_F(Fonts, FaceSubstitutionsAreLoggedAtEveryCreation) {
    constexpr int32_t ARIAL = 3, STENCIL = 11;
    const int32_t arial_rows = Count_Rows(ARIAL, false);
    ASSERT_EQ(arial_rows, 19);
    Load_App_Fonts();
    EXPECT_EQ(Count_Debug_Lines("\"Arial\" returned"), arial_rows) << "Arial becomes Liberation Sans";
    EXPECT_EQ(Count_Debug_Lines("used font \"Liberation Sans\""), arial_rows);
    EXPECT_EQ(Count_Debug_Lines("Creating font #0 \"Arial\" returned"), 1);
    EXPECT_EQ(Count_Debug_Lines("\"Stencil Std\" returned"), Count_Rows(STENCIL, false));
    EXPECT_EQ(Count_Debug_Lines("used font \"DejaVu Sans\""), 15)
        << "the rows of the five faces without a free namesake";
    Free_App_Fonts(true);
    Load_App_Fonts();
    EXPECT_EQ(Count_Debug_Lines("\"Arial\" returned"), 2 * arial_rows) << "again at the next load";
    const int32_t fonts = Count_Live_Fonts();
    Load_App_Fonts();
    EXPECT_EQ(Count_Debug_Lines("\"Arial\" returned"), 2 * arial_rows + Count_Rows(ARIAL, true))
        << "and for each scaled row made again";
    EXPECT_EQ(Count_Live_Fonts(), fonts) << "a scaled row made again gives its old font back";
}

TEST_F(Fonts, TextFromWindows1252IsMeasuredAndTheRotatedRowRunsUpward) {
    DRAWING_SURFACE surface{};
    Resize_Drawing_Surface(&surface, 200, 200);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &surface);
    DRAWING_FONT* font = Get_App_Font(9);
    Select_Font(&dc, font);
    EXPECT_GT(Measure_Text_Width(&dc, "72\xB0", -1), Measure_Text_Width(&dc, "72", -1))
        << "the degree sign has a glyph";
    FONT_METRICS metrics{};
    Get_Font_Metrics(&dc, &metrics);
    EXPECT_EQ(metrics.Height, 20) << "a row's height is its line height";
    Release_App_Font(font);

    DRAWING_FONT* rotated = Get_App_Font(33);
    Select_Font(&dc, rotated);
    Set_Text_Colour(&dc, Make_Colour(255, 255, 255));
    Set_Background_Mode(&dc, BACKGROUND_TRANSPARENT);
    Draw_Text_Out(&dc, 50, 190, "Korva", -1);
    int32_t top = 200, left = 200, right = 0;
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 200; ++x)
            if (Get_Surface_Pixel(&surface, x, y) != 0xFF000000u) {
                top = std::min(top, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_LT(top, 100) << "the text runs up from its start";
    EXPECT_GE(left, 50) << "and lies to the right of it";
    EXPECT_LT(right - left, 100);
    Release_App_Font(rotated);
}

TEST_F(Fonts, AResizeRemakesScaledFontsCachesAndTheBackBufferOnlyWhenLargeEnough) {
    Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
    Load_App_Fonts();
    ASSERT_EQ(Create_Main_Window_Back_Buffer_For_Window(), 1);
    Set_Main_Window_Geometry({0, 0, 1000, 700}, {0, 0, 1000, 700});
    Reinit_Window_Graphics();
    EXPECT_EQ(Get_Back_Buffer_Width(), 1024) << "too narrow: nothing changes";
    Set_Main_Window_Geometry({0, 0, 1200, 800}, {0, 0, 1200, 800});
    Reinit_Window_Graphics();
    EXPECT_EQ(Get_Back_Buffer_Width(), 1200);
    EXPECT_EQ(Get_App_Font_Height(12), 800 * 36 / 676);
    Destroy_Main_Window_Back_Buffer();
}
