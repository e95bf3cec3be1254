// A context's text colour choice and the watching of drawn lines: what the
// choice answers is what lands on the surface and what the watcher is told,
// and the watcher sees every pixel a glyph changes with what it held before.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/text_render.h"

namespace {
constexpr COLOUR_VALUE GROUND = Make_Colour(40, 60, 80);
constexpr COLOUR_VALUE CHOSEN = Make_Colour(250, 240, 10);
constexpr int32_t WIDTH = 200;

struct KEPT_LINE {
    std::string Text;
    COLOUR_VALUE Colour;
    std::vector<TEXT_INK_PIXEL> Pixels;
};
std::vector<KEPT_LINE> watched;
bool asked_alternative = false;

COLOUR_VALUE Choose(const DEVICE_CONTEXT* dc, const RECT_AREA&) {
    asked_alternative = dc->State.Has_Alternative_Text_Colour;
    return CHOSEN;
}
} // namespace

TEST(TextColourChoice, TheChoiceColoursEachLineAndTheWatcherSeesItsInk) {
    DRAWING_SURFACE surface{};
    ASSERT_EQ(Resize_Drawing_Surface(&surface, WIDTH, 60), 1);
    DEVICE_CONTEXT dc{};
    Attach_Device_Context(&dc, &surface);
    Fill_Surface_Area(&dc, {0, 0, WIDTH, 60}, GROUND);
    Set_Background_Mode(&dc, BACKGROUND_TRANSPARENT);
    // The renderer's text lives only during the call.
    Set_Text_Line_Watcher([](const TEXT_LINE_INK& line) {
        watched.push_back({line.Text, line.Colour, line.Pixels});
    });
    Save_Device_Context(&dc);
    Set_Text_Colour_Choice(&dc, Choose);
    Set_Text_Colours(&dc, Make_Colour(0, 0, 0), Make_Colour(255, 255, 255));
    RECT_AREA rect{10, 5, 190, 55};
    Draw_Text_In_Rect(&dc, "MW", -1, &rect, TEXT_SINGLE_LINE);
    Set_Text_Line_Watcher(nullptr);

    EXPECT_TRUE(asked_alternative);
    ASSERT_EQ(watched.size(), 1u);
    EXPECT_EQ(watched[0].Text, "MW");
    EXPECT_EQ(watched[0].Colour, CHOSEN) << "the watcher is told the colour drawn";
    std::vector<bool> seen(surface.Pixels.size(), false);
    for (const TEXT_INK_PIXEL& p : watched[0].Pixels) {
        ASSERT_EQ(Pixel_To_Colour(p.Before), GROUND) << "what the pixel held before the glyph";
        seen[static_cast<size_t>(p.Y) * WIDTH + static_cast<size_t>(p.X)] = true;
    }
    for (size_t i = 0; i < surface.Pixels.size(); ++i) {
        const COLOUR_VALUE now = Pixel_To_Colour(surface.Pixels[i]);
        if (now != GROUND) {
            ASSERT_TRUE(seen[i]) << "a pixel the glyphs changed is reported: " << i;
            ASSERT_NE(now, Make_Colour(0, 0, 0)) << "the chosen colour is drawn, not the set one";
        }
    }

    Set_Text_Colour(&dc, Make_Colour(1, 2, 3));
    Draw_Text_Out(&dc, 0, 0, "x", 1);
    EXPECT_FALSE(asked_alternative) << "setting one colour drops the alternative";
    Restore_Device_Context(&dc);
    EXPECT_EQ(dc.State.Text_Colour_Choice, nullptr) << "the choice is part of the saved state";
    Free_Drawing_Surface(&surface);
}
