// The main window's text stands out from the picture under it: a colour that
// does is kept, else its alternative, else it is moved toward white or black.
#include <gtest/gtest.h>

#include "app/app_fonts.h"
#include "app/design_scaling.h"
#include "app/drawing_primitives.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "app/text_contrast.h"
#include "database/saved_game.h"
#include "platform/text_render.h"

namespace {
constexpr COLOUR_VALUE WHITE = Make_Colour(255, 255, 255);
constexpr COLOUR_VALUE BLACK = Make_Colour(0, 0, 0);
constexpr COLOUR_VALUE YELLOW = Make_Colour(255, 249, 69);
constexpr COLOUR_VALUE DARK_RED = Make_Colour(110, 0, 0);
constexpr COLOUR_VALUE GREEN_GROUND = Make_Colour(30, 43, 25);
constexpr COLOUR_VALUE BLUE_GROUND = Make_Colour(122, 157, 203);

TEXT_GROUND Even_Ground(COLOUR_VALUE colour) {
    const double l = Get_Relative_Luminance(colour);
    return {l, l, l};
}

double Contrast(COLOUR_VALUE a, COLOUR_VALUE b) {
    return Get_Ground_Contrast(a, Even_Ground(b));
}
} // namespace

TEST(TextContrast, AColourThatStandsOutIsKeptElseItsAlternativeElseItIsMoved) {
    EXPECT_NEAR(Contrast(WHITE, BLACK), 21.0, 1e-9);
    EXPECT_NEAR(Contrast(BLACK, BLACK), 1.0, 1e-9);

    const TEXT_GROUND dark = Even_Ground(GREEN_GROUND), light = Even_Ground(BLUE_GROUND);
    EXPECT_EQ(Fit_Text_Colour(YELLOW, &DARK_RED, dark), YELLOW) << "a colour that stands out is kept";
    EXPECT_EQ(Fit_Text_Colour(DARK_RED, &YELLOW, dark), YELLOW) << "dark text on dark ground: the light form";
    EXPECT_EQ(Fit_Text_Colour(WHITE, &BLACK, light), BLACK) << "white on the light skin: the dark form";
    EXPECT_EQ(Fit_Text_Colour(BLACK, &WHITE, light), BLACK);

    // Neither colour stands out: the one on the ground's far side is moved,
    // just far enough, keeping its hue.
    const COLOUR_VALUE grey = Make_Colour(113, 113, 113);
    const COLOUR_VALUE lighter = Fit_Text_Colour(grey, nullptr, dark);
    EXPECT_GE(Contrast(lighter, GREEN_GROUND), LEAST_TEXT_CONTRAST);
    EXPECT_GT(Colour_Red(lighter), 113u);
    EXPECT_LT(Colour_Red(lighter), 255u) << "not further than needed";
    EXPECT_EQ(Colour_Red(lighter), Colour_Blue(lighter)) << "still a grey";
    const COLOUR_VALUE pink = Make_Colour(255, 215, 215), navy = Make_Colour(30, 30, 130);
    const COLOUR_VALUE darker = Fit_Text_Colour(pink, &navy, light);
    EXPECT_GE(Contrast(darker, BLUE_GROUND), LEAST_TEXT_CONTRAST);
    EXPECT_GT(Colour_Blue(darker), Colour_Red(darker)) << "the navy darkened, not the pink";

    // A ground half black, half white: nothing stands out from both ends, so
    // the text is made for the ground's bulk.
    EXPECT_EQ(Fit_Text_Colour(grey, nullptr, {0.0, 0.01, 1.0}), WHITE);
    EXPECT_EQ(Fit_Text_Colour(grey, nullptr, {0.0, 0.9, 1.0}), BLACK);
}

namespace {
class TextOnTheBackBuffer : public testing::Test {
  protected:
    void SetUp() override {
        Clear_Universe();
        Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
        ASSERT_EQ(Create_Main_Window_Back_Buffer(1024, 676), 1);
        dc_ = Acquire_Main_Window_DC();
        Fill_Surface_Area(dc_, {0, 0, 512, 676}, GREEN_GROUND);
        Fill_Surface_Area(dc_, {512, 0, 1024, 676}, BLUE_GROUND);
        Set_Background_Mode(dc_, BACKGROUND_TRANSPARENT);
        font_ = Get_App_Font(12);
        Select_Font(dc_, font_);
    }
    void TearDown() override {
        Select_Font(dc_, nullptr);
        Release_App_Font(font_);
        Release_Main_Window_DC();
        Destroy_Main_Window_Back_Buffer();
    }
    // The number of pixels of a colour in a rectangle.
    int32_t Count(const RECT_AREA& area, COLOUR_VALUE colour) const {
        int32_t n = 0;
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x)
                if (Pixel_To_Colour(Get_Surface_Pixel(Get_Back_Buffer_Surface(), x, y)) == colour) ++n;
        return n;
    }
    DEVICE_CONTEXT* dc_ = nullptr;
    DRAWING_FONT* font_ = nullptr;
};
} // namespace

TEST_F(TextOnTheBackBuffer, OpaqueAndShadowedTextsAreFittedToWhatTheyStandOn) {
    // Drawn opaque, the text stands on its own background colour.
    Set_Background_Mode(dc_, BACKGROUND_OPAQUE);
    Set_Background_Colour(dc_, Make_Colour(250, 250, 250));
    Set_Text_Colours(dc_, WHITE, BLACK);
    RECT_AREA rect = {20, 200, 480, 280};
    Draw_Text_In_Rect(dc_, "Opaque", -1, &rect, TEXT_SINGLE_LINE);
    EXPECT_GT(Count(rect, BLACK), 0) << "on the dark half, black on its light background";
    EXPECT_EQ(dc_->State.Text_Colour, WHITE) << "the context keeps the colour it was given";
    Set_Background_Mode(dc_, BACKGROUND_TRANSPARENT);

    // A shadowed light text the light half turns dark gets a white shadow.
    const RECT_AREA design{600, 300, 700, 360};
    Draw_Shadowed_Text(dc_, "I", WHITE, design, TEXT_SINGLE_LINE);
    RECT_AREA drawn = design;
    Scale_Rect_To_Window(&drawn);
    bool white_right_of_dark = false;
    for (int32_t y = drawn.Top; y < drawn.Bottom; ++y)
        for (int32_t x = drawn.Left; x < drawn.Right; ++x) {
            const COLOUR_VALUE here = Pixel_To_Colour(Get_Surface_Pixel(Get_Back_Buffer_Surface(), x, y));
            const COLOUR_VALUE below =
                Pixel_To_Colour(Get_Surface_Pixel(Get_Back_Buffer_Surface(), x + 1, y + 1));
            if (Get_Relative_Luminance(here) < 0.05 && below == WHITE) white_right_of_dark = true;
        }
    EXPECT_TRUE(white_right_of_dark);
}
