#include <gtest/gtest.h>

#include "app/app_fonts.h"
#include "app/dib_sections.h"
#include "app/drawing_primitives.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/main_window_geometry.h"
#include "app/skins.h"
#include "database/league_structure.h"
#include "database/safe_strings.h"
#include "image_test_files.h"
#include "platform/dialogs.h"
#include "platform/windows.h"
#include "support/debug_log.h"

namespace {
class Drawing : public Image_Folder_Test {
  protected:
    void SetUp() override {
        Image_Folder_Test::SetUp();
        Clear_Debug_Log();
        Set_Main_Window_Geometry({0, 0, 64, 64}, {0, 0, 64, 64});
        ASSERT_EQ(Create_Main_Window_Back_Buffer(64, 64), 1);
        dc_ = Acquire_Main_Window_DC();
        Fill_Surface_Area(dc_, {0, 0, 64, 64}, Make_Colour(255, 255, 255));
    }
    void TearDown() override {
        Release_Main_Window_DC();
        Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
        Image_Folder_Test::TearDown();
    }
    COLOUR_VALUE At(int32_t x, int32_t y) {
        return Pixel_To_Colour(Get_Surface_Pixel(Get_Back_Buffer_Surface(), x, y));
    }
    DEVICE_CONTEXT* dc_ = nullptr;
};

std::vector<uint8_t> Pixels(std::initializer_list<uint8_t> rgba) {
    return std::vector<uint8_t>(rgba);
}
} // namespace

TEST_F(Drawing, PremultipliedImagesAndConstantAlphaBlendOverTheDestination) {
    Write_Test_PNG("half.png", 1, 1, Pixels({200, 100, 50, 128}));
    ASSERT_EQ(Draw_Cached_Image(dc_, "half.png", 3, 3, -1, -1), 1);
    const COLOUR_VALUE blended = At(3, 3);
    // premultiplied source + white x (255 - 128) / 255
    EXPECT_NEAR(Colour_Red(blended), 100 + 127, 1);
    EXPECT_NEAR(Colour_Green(blended), 50 + 127, 1);
    EXPECT_NEAR(Colour_Blue(blended), 25 + 127, 1);
    EXPECT_EQ(At(4, 3), Make_Colour(255, 255, 255)) << "only the image's own pixel";

    Write_Test_PNG("black.png", 1, 1, Pixels({0, 0, 0, 255}), PNG_COLOR_TYPE_RGB);
    BITMAP_CACHE_ENTRY* slot = Take_Cached_Image(dc_, "black.png:L");
    ASSERT_NE(slot, nullptr);
    Draw_Cached_Bitmap(dc_, slot, 64, 5, 5, -1, -1, 0, 0, -1, -1);
    EXPECT_NEAR(Colour_Red(At(5, 5)), 255 * 191 / 255, 1) << "a quarter of the way to black";
}

TEST_F(Drawing, ShrinkingPicksPixelsUnlessAskedToAverageAndEnlargingBlends) {
    Write_Test_PNG("checks.png", 2, 2,
                   Pixels({0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0, 255}),
                   PNG_COLOR_TYPE_RGB);
    Draw_Cached_Image(dc_, "checks.png", 0, 0, 1, 1);
    EXPECT_TRUE(Colour_Red(At(0, 0)) == 0 || Colour_Red(At(0, 0)) == 255)
        << "COLORONCOLOR keeps a source pixel";
    Draw_Cached_Image(dc_, "checks.png:H", 1, 0, 1, 1);
    EXPECT_NEAR(Colour_Red(At(1, 0)), 128, 2) << "HALFTONE averages the four";

    Write_Test_PNG("pair.png", 2, 1, Pixels({0, 0, 0, 255, 250, 250, 250, 255}), PNG_COLOR_TYPE_RGB);
    Draw_Cached_Image(dc_, "pair.png", 0, 10, 8, 1);
    EXPECT_EQ(Colour_Red(At(0, 10)), 0u);
    EXPECT_EQ(Colour_Red(At(7, 10)), 250u);
    EXPECT_GT(Colour_Red(At(4, 10)), 60u) << "enlarging is smooth";
    EXPECT_LT(Colour_Red(At(3, 10)), 190u);
}

TEST_F(Drawing, AnImagePastTheBackBufferIsCutNotSqueezedUnlessFlaggedN) {
    std::vector<uint8_t> ramp;
    for (int x = 0; x < 20; ++x)
        ramp.insert(ramp.end(), {static_cast<uint8_t>(x * 10), 0, 0, 255});
    Write_Test_PNG("ramp.png", 20, 1, ramp, PNG_COLOR_TYPE_RGB);
    Draw_Cached_Image(dc_, "ramp.png", 54, 0, -1, -1);
    EXPECT_EQ(Colour_Red(At(54, 0)), 0u);
    EXPECT_EQ(Colour_Red(At(63, 0)), 90u) << "column 9 lands on the last pixel, at its own scale";

    // Into a wider surface than the back buffer: the cut still happens at 64.
    DRAWING_SURFACE wide{};
    Resize_Drawing_Surface(&wide, 128, 4);
    DEVICE_CONTEXT other{};
    Attach_Device_Context(&other, &wide);
    Draw_Cached_Image(&other, "ramp.png", 54, 0, -1, -1);
    EXPECT_EQ(Get_Surface_Pixel(&wide, 64, 0), 0xFF000000u) << "nothing past the back buffer's width";
    Draw_Cached_Image(&other, "ramp.png:N", 54, 1, -1, -1);
    EXPECT_EQ(Colour_Red(Pixel_To_Colour(Get_Surface_Pixel(&wide, 73, 1))), 190u)
        << "N draws the whole image";
}

TEST_F(Drawing, FlagPCombinesWithTheDestinationByOr) {
    Fill_Surface_Area(dc_, {0, 0, 4, 4}, Make_Colour(0x0F, 0xF0, 0x00));
    Write_Test_PNG("or.png", 1, 1, Pixels({0xF0, 0x0F, 0x11, 255}), PNG_COLOR_TYPE_RGB);
    Draw_Cached_Image(dc_, "or.png:P", 0, 0, -1, -1);
    EXPECT_EQ(At(0, 0), Make_Colour(0xFF, 0xFF, 0x11));
}

TEST_F(Drawing, BackgroundsDrawWholeOrByRectangleAndRefuseMixedCoordinates) {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            rgba.insert(rgba.end(), {static_cast<uint8_t>(x * 30), static_cast<uint8_t>(y * 30), 7, 255});
    Write_Test_PNG("field.png", 8, 8, rgba, PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(Draw_Background_Image(nullptr, "field.png", 255, -1, -1, -1, -1), 1)
        << "without a context: it exists";
    Fill_Surface_Area(dc_, {0, 0, 64, 64}, Make_Colour(255, 255, 255));
    EXPECT_EQ(Draw_Background_Image(dc_, "field.png", 255, 16, 16, 23, 23), 1);
    EXPECT_EQ(Colour_Blue(At(16, 16)), 7u) << "the picture's own pixels at the same place";
    EXPECT_EQ(At(15, 16), Make_Colour(255, 255, 255)) << "the inclusive rectangle only";
    EXPECT_EQ(At(24, 23), Make_Colour(255, 255, 255));
    EXPECT_EQ(Draw_Background_Image(dc_, "field.png", 255, -1, 5, 10, 10), 0);
    EXPECT_EQ(Count_Debug_Lines("Whaaaaa?"), 1);
    EXPECT_EQ(Draw_Background_Image(dc_, "field.png", 255, -1, -1, -1, -1), 1);
    EXPECT_EQ(Colour_Blue(At(63, 63)), 7u) << "the whole back buffer, stretched once on loading";

    // The slot of a background by its size: stretched to the back buffer on loading.
    EXPECT_EQ(Choose_Background_Slot(64, 64), Find_Bitmap_Cache_Entry(Background_Cache, 2, "field.png:B"));
    EXPECT_EQ(Choose_Background_Slot(8, 8), nullptr) << "no slot holds the picture at its own size";
    Fill_Surface_Area(dc_, {0, 0, 64, 64}, Make_Colour(255, 255, 255));
    safe_strncpy(Current_Background_Name, "field.png", sizeof Current_Background_Name);
    EXPECT_EQ(Draw_Background_Image_Without_Logo(dc_), 1);
    EXPECT_EQ(Colour_Blue(At(0, 0)), 7u) << "the current screen's background";
    Current_Background_Name[0] = '\0';
}

// The back buffer's size follows the view area when recomputed, without a
// new buffer; the section wrappers make 3- and 4-byte pixels in padded rows.
TEST_F(Drawing, TheBackBufferSizeIsRecomputedWithoutANewBuffer) {
    const DRAWING_SURFACE* buffer = Get_Back_Buffer_Surface();
    Set_Main_Window_Geometry({0, 0, 100, 80}, {0, 0, 100, 80});
    Recompute_Back_Buffer_Size();
    EXPECT_EQ(Get_Back_Buffer_Width(), 100);
    EXPECT_EQ(Get_Back_Buffer_Height(), 80);
    EXPECT_EQ(Get_Back_Buffer_Surface(), buffer);
    EXPECT_EQ(Get_Back_Buffer_Surface()->Width, 64) << "the buffer itself is not made again";

    DIB_SECTION_DC section;
    ASSERT_EQ(SimpleCreateDIBSectionDC_24(&section, dc_, 3, 2), 1);
    EXPECT_EQ(section.Bytes_Per_Pixel, 3);
    EXPECT_EQ(section.Stride, 12) << "9 bytes padded to 12";
    EXPECT_EQ(section.Row_Fill, 3);
    Free_DIB_Section_DC(&section);
    ASSERT_EQ(SimpleCreateDIBSectionDC_32(&section, dc_, 3, 2), 1);
    EXPECT_EQ(section.Bytes_Per_Pixel, 4);
    EXPECT_EQ(section.Stride, 12);
    EXPECT_EQ(section.Info.Header.Bits_Per_Pixel, 32);
    Free_DIB_Section_DC(&section);
}

TEST_F(Drawing, KeepingTheAspectShrinksTheHeightOfAWidePicture) {
    Set_Main_Window_Geometry({0, 0, 768, 507}, {0, 0, 768, 507});
    Write_Test_PNG("wide.png", 20, 10, std::vector<uint8_t>(20 * 10 * 4, 90), PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(Draw_Cached_Image_In_Rect(dc_, "wide.png", 0, 0, 10, 10, 1), 5)
        << "200% into 100%: half the height";
    EXPECT_EQ(Draw_Cached_Image_In_Rect(dc_, "wide.png", 0, 20, 10, 10, 0), 10);
    EXPECT_EQ(Draw_Cached_Image_In_Rect(dc_, "nothing.png", 0, 0, 10, 10, 1), 0);
    // At twice the design size the picture is drawn twice as large, and the
    // height handed back is still the design height, halved.
    Set_Main_Window_Geometry({0, 0, 1536, 1014}, {0, 0, 1536, 1014});
    Fill_Surface_Area(dc_, {0, 0, 64, 64}, Make_Colour(255, 255, 255));
    EXPECT_EQ(Draw_Cached_Image_In_Rect(dc_, "wide.png", 0, 0, 10, 10, 1), 5) << "in design units";
    EXPECT_EQ(Colour_Red(At(19, 9)), 90u) << "20 x 10 pixels drawn";
    EXPECT_EQ(At(19, 10), Make_Colour(255, 255, 255));
    EXPECT_EQ(At(20, 5), Make_Colour(255, 255, 255));
    Set_Main_Window_Geometry({0, 0, 768, 507}, {0, 0, 768, 507});
    Fill_Surface_Area(dc_, {0, 0, 64, 64}, Make_Colour(255, 255, 255));
    EXPECT_EQ(Draw_Cached_Image_Centered(dc_, "wide.png", 40, 40), 10);
    EXPECT_EQ(Colour_Red(At(31, 36)), 90u) << "centred on the point";
    EXPECT_EQ(At(29, 36), Make_Colour(255, 255, 255));
}

TEST_F(Drawing, PicturesAndTextGoOverADialogsControls) {
    Write_Test_PNG("red.png", 2, 2, Pixels({255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255}),
                   PNG_COLOR_TYPE_RGB);
    const DIALOG_CONTROL controls[] = {{CONTROL_STATIC_IMAGE, 10, {4, 4, 20, 16}, "", 0},
                                       {CONTROL_STATIC_IMAGE, 11, {4, 24, 20, 16}, "", 0}};
    const DIALOG_TEMPLATE picture_template = {930, "", 40, 40, "MS Sans Serif", 8, 0, controls, 2, 2};
    const WINDOW_HANDLE dialog = Create_Modeless_Dialog(NO_WINDOW, picture_template, nullptr, 0);
    DEVICE_CONTEXT* dc = Get_Window_DC(dialog);
    const DRAWING_SURFACE* surface = Get_Window_Surface(dialog);
    auto at = [&](int32_t x, int32_t y) { return Pixel_To_Colour(Get_Surface_Pixel(surface, x, y)); };
    const COLOUR_VALUE red = Make_Colour(255, 0, 0);
    // Control 10 covers (6, 7)-(36, 33): the picture is stretched over all of it.
    ASSERT_NE(Draw_Cached_Image_On_Control(dialog, dc, 10, "red.png"), 0);
    EXPECT_EQ(at(6, 7), red);
    EXPECT_EQ(at(35, 32), red);
    EXPECT_NE(at(36, 32), red) << "and no further";
    // Control 11 covers (6, 39)-(36, 65): the 2 x 2 picture sits at its centre.
    ASSERT_NE(Draw_Cached_Image_Centered_On_Control(dialog, dc, 11, "red.png"), 0);
    EXPECT_EQ(at(20, 51), red);
    EXPECT_EQ(at(21, 52), red);
    EXPECT_NE(at(22, 52), red);
    EXPECT_EQ(Draw_Cached_Image_On_Control(dialog, dc, 11, "missing.png"), 0)
        << "a missing picture draws nothing";

    // A window background: the picture over the client area, else the skin colour.
    Set_Skin_Name("earth");
    ASSERT_NE(Draw_Window_Background(dialog, dc, "red.png"), 0);
    EXPECT_EQ(at(59, 63), red);
    EXPECT_EQ(Draw_Window_Background(dialog, dc, "missing.png"), 0);
    EXPECT_EQ(at(59, 63), Get_Skin_Color());

    // The text box takes the application fonts of a window of the design size.
    Free_App_Fonts(true);
    Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
    Load_App_Fonts();
    Draw_Text_Over_Control(dialog, dc, "Over", TEXT_CENTRE, 10);
    Free_App_Fonts(true);
    bool dark = false;
    for (int32_t y = 7; y < 33; ++y)
        for (int32_t x = 6; x < 36; ++x)
            dark |= Colour_Red(at(x, y)) < 100;
    EXPECT_TRUE(dark) << "the text lies inside the control's rectangle";
    Release_Window_DC(dialog, dc);
    Destroy_Window(dialog);
}
