#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/app_fonts.h"
#include "app/drawing_primitives.h"
#include "app/main_window_dc.h"
#include "app/main_window_geometry.h"
#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/team_record.h"
#include "platform/drawing_objects.h"
#include "platform/png_file.h"
#include "platform/text_render.h"
#include "support/debug_log.h"
#include "support/test_league.h"
#include "views/matchup_dialog.h"

namespace {
class Primitives : public testing::Test {
  protected:
    void SetUp() override {
        // The view's height depends on the view shown and the news ticker's setting.
        Clear_Universe();
        Set_Main_Window_Geometry({0, 0, 1024, 676}, {0, 0, 1024, 676});
        ASSERT_EQ(Create_Main_Window_Back_Buffer(1024, 676), 1);
        dc_ = Acquire_Main_Window_DC();
        Fill_Surface_Area(dc_, {0, 0, 1024, 676}, WHITE);
        objects_ = Count_Live_Pens_And_Brushes();
    }
    void TearDown() override {
        EXPECT_EQ(Count_Live_Pens_And_Brushes(), objects_) << "every pen and brush is deleted";
        Release_Main_Window_DC();
        Destroy_Main_Window_Back_Buffer();
    }
    COLOUR_VALUE At(int32_t x, int32_t y) {
        return Pixel_To_Colour(Get_Surface_Pixel(Get_Back_Buffer_Surface(), x, y));
    }
    static constexpr COLOUR_VALUE WHITE = Make_Colour(255, 255, 255);
    static constexpr COLOUR_VALUE RED = Make_Colour(220, 0, 0);
    DEVICE_CONTEXT* dc_ = nullptr;
    int32_t objects_ = 0;
};

// The painted box of a colour: left, top, right, bottom inclusive.
RECT_AREA Painted_Box(const DRAWING_SURFACE* surface, COLOUR_VALUE colour) {
    RECT_AREA box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int32_t y = 0; y < surface->Height; ++y)
        for (int32_t x = 0; x < surface->Width; ++x)
            if (Pixel_To_Colour(Get_Surface_Pixel(surface, x, y)) == colour) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x);
                box.Bottom = std::max(box.Bottom, y);
            }
    return box;
}
} // namespace

TEST_F(Primitives, FillsIncludeOrExcludeTheirEdgesExactly) {
    Fill_Rectangle(dc_, 10, 10, 19, 19, RED);
    RECT_AREA box = Painted_Box(Get_Back_Buffer_Surface(), RED);
    EXPECT_EQ(box.Left, 10);
    EXPECT_EQ(box.Right, 19) << "Fill_Rectangle paints a 10 x 10 square";
    EXPECT_EQ(box.Bottom, 19);

    Fill_Surface_Area(dc_, {0, 0, 40, 40}, WHITE);
    Fill_Rectangle_Borderless(dc_, {10, 10, 19, 19}, RED);
    box = Painted_Box(Get_Back_Buffer_Surface(), RED);
    EXPECT_EQ(box.Left, 9) << "one pixel up and left";
    EXPECT_EQ(box.Top, 9);
    EXPECT_EQ(box.Right, 19);
    EXPECT_EQ(box.Bottom, 19);
}

TEST_F(Primitives, TheAbsoluteLineIsAOnePixelOutlineThroughAllFourCorners) {
    Draw_Absolute_Line(dc_, {5, 5, 14, 9}, RED);
    int painted = 0;
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x) {
            const bool on_edge =
                (x == 5 || x == 14) ? (y >= 5 && y <= 9) : ((y == 5 || y == 9) && x >= 5 && x <= 14);
            EXPECT_EQ(At(x, y) == RED, on_edge) << x << "," << y;
            painted += At(x, y) == RED;
        }
    EXPECT_EQ(painted, 2 * 10 + 2 * 3);
    EXPECT_EQ(dc_->State.Position_X, 0) << "the pen position is left as it was";
}

TEST_F(Primitives, ScaledFramesFollowTheWindowAndANullRectangleDrawsNothing) {
    RECT_AREA design{300, 150, 468, 300};
    Draw_Scaled_Frame(dc_, &design);
    const RECT_AREA box = Painted_Box(Get_Back_Buffer_Surface(), Make_Colour(0, 0, 0));
    EXPECT_EQ(box.Left, 400);
    EXPECT_EQ(box.Right, 624);
    EXPECT_EQ(box.Top, 200);
    EXPECT_EQ(box.Bottom, 400);
    Draw_Scaled_Frame(dc_, nullptr);
}

// A polygon and an ellipse fill the pixels whose centres lie inside them,
// without an outline; the scaled calls take design units to the window.
TEST_F(Primitives, PolygonsEllipsesAndScaledShapesFillTheirInsides) {
    const POINT_XY triangle[] = {{10, 10}, {30, 10}, {10, 30}};
    Fill_Polygon(dc_, triangle, 3, RED);
    EXPECT_EQ(At(10, 10), RED) << "the corner pixel's centre is inside";
    EXPECT_EQ(At(28, 10), RED);
    EXPECT_EQ(At(30, 10), WHITE) << "the right end of the top edge is outside";
    EXPECT_EQ(At(10, 28), RED);
    EXPECT_EQ(At(10, 29), WHITE) << "a centre on the slanted edge is outside";
    EXPECT_EQ(At(18, 18), RED);
    EXPECT_EQ(At(19, 20), WHITE);
    EXPECT_EQ(At(20, 20), WHITE) << "the far side of the slanted edge";
    const POINT_XY line[] = {{50, 10}, {60, 10}};
    Fill_Polygon(dc_, line, 2, RED);
    EXPECT_EQ(At(55, 10), WHITE) << "two points enclose nothing";

    // (40, 40)-(49, 49) inclusive: a circle ten pixels across.
    Fill_Ellipse(dc_, 40, 40, 49, 49, RED);
    EXPECT_EQ(At(44, 40), RED) << "top row of the circle";
    EXPECT_EQ(At(40, 44), RED);
    EXPECT_EQ(At(49, 45), RED);
    EXPECT_EQ(At(45, 49), RED);
    EXPECT_EQ(At(40, 40), WHITE) << "the corners of the box lie outside";
    EXPECT_EQ(At(49, 49), WHITE);
    EXPECT_EQ(At(50, 45), WHITE);
    int32_t row_widths[10] = {};
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 38; x < 52; ++x)
            row_widths[y] += At(x, 40 + y) == RED;
    for (int32_t y = 0; y < 5; ++y)
        EXPECT_EQ(row_widths[y], row_widths[9 - y]) << "symmetric, row " << y;
    EXPECT_EQ(row_widths[4], 10);

    // At twice the design size a design unit is two pixels.
    Destroy_Main_Window_Back_Buffer();
    Set_Main_Window_Geometry({0, 0, 1536, 1014}, {0, 0, 1536, 1014});
    ASSERT_EQ(Create_Main_Window_Back_Buffer(1536, 1014), 1);
    dc_ = Acquire_Main_Window_DC();
    Fill_Surface_Area(dc_, {0, 0, 1536, 1014}, WHITE);
    Fill_Scaled_Rectangle(dc_, {10, 10, 19, 19}, RED);
    RECT_AREA box = Painted_Box(Get_Back_Buffer_Surface(), RED);
    EXPECT_EQ(box.Left, 20);
    EXPECT_EQ(box.Top, 20);
    EXPECT_EQ(box.Right, 38) << "the scaled right edge, included";
    Fill_Surface_Area(dc_, {0, 0, 1536, 1014}, WHITE);
    Fill_Scaled_Ellipse(dc_, {100, 100, 149, 149}, RED);
    box = Painted_Box(Get_Back_Buffer_Surface(), RED);
    EXPECT_EQ(box.Left, 200);
    EXPECT_EQ(box.Right, 298);
    EXPECT_EQ(box.Bottom, 298);
    const COLOUR_VALUE blue = Make_Colour(0, 0, 200);
    Draw_Scaled_Line(dc_, 300, 100, 400, 100, blue);
    box = Painted_Box(Get_Back_Buffer_Surface(), blue);
    EXPECT_EQ(box.Left, 600);
    EXPECT_EQ(box.Right, 799) << "the end point is not drawn";
    EXPECT_EQ(box.Top, 200);
    EXPECT_EQ(box.Bottom, 200);
    const POINT_XY star[] = {{500, 300}, {540, 420}, {440, 345}, {560, 345}, {460, 420}};
    Fill_Polygon(dc_, star, 5, blue);
    EXPECT_EQ(At(500, 370), WHITE) << "the star's middle is crossed twice: outside";
    EXPECT_EQ(At(500, 320), blue);
    Write_Surface_PNG(Get_Back_Buffer_Surface(), "shapes.png");
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(Get_Back_Buffer_Surface(), (std::string(folder) + "/shapes.png").c_str());
    std::filesystem::remove("shapes.png");
}

TEST_F(Primitives, TheTextBoxShrinksItsFontUntilTheTextFits) {
    const RECT_AREA roomy{100, 100, 700, 300};
    const int32_t big =
        Draw_Text_Fitting_Box(dc_, roomy, "Standings", TEXT_CENTRE | TEXT_WORD_BREAK, NO_PREFERRED_FONT);
    EXPECT_EQ(big, 11) << "from row 11 when nothing is preferred";
    EXPECT_EQ(Draw_Text_Fitting_Box(dc_, roomy, "Standings", TEXT_CENTRE, 15), 15)
        << "the preferred row when it fits";
    const RECT_AREA narrow{100, 400, 160, 430};
    const int32_t small =
        Draw_Text_Fitting_Box(dc_, narrow, "Total Yards Per Game", TEXT_CENTRE | TEXT_WORD_BREAK, 5);
    EXPECT_LT(small, 5);
    EXPECT_GT(small, 0);
    EXPECT_EQ(Draw_Text_Fitting_Box(dc_, {0, 600, 8, 604}, "An extremely long heading", TEXT_CENTRE, 5), 1)
        << "the last font when none fits";
    for (int32_t row = 0; row < APP_FONT_COUNT; ++row)
        EXPECT_EQ(Get_App_Font_Use_Count(row), 0) << "row " << row << " is given back";

    // The fitted text is centred: as much room left as right.
    Fill_Surface_Area(dc_, {0, 0, 1024, 676}, WHITE);
    Set_Text_Colour(dc_, RED);
    Draw_Text_Fitting_Box(dc_, roomy, "Hi", TEXT_SINGLE_LINE, 11);
    Set_Text_Colour(dc_, 0);
    int32_t left = 1024, right = 0;
    for (int32_t y = 100; y < 300; ++y)
        for (int32_t x = 100; x < 700; ++x)
            if (At(x, y) != WHITE) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR(left - 100, 700 - 1 - right, 4);
}

TEST_F(Primitives, ShadowedTextIsBlackUnderTheColourOnePixelDownAndRight) {
    Set_Background_Mode(dc_, BACKGROUND_TRANSPARENT);
    DRAWING_FONT* font = Get_App_Font(12);
    Select_Font(dc_, font);
    Draw_Shadowed_Text(dc_, "I", RED, {0, 0, 30, 60}, TEXT_SINGLE_LINE);
    Release_App_Font(font);
    Select_Font(dc_, nullptr);
    bool shadow_right_of_red = false;
    for (int32_t y = 0; y < 80; ++y)
        for (int32_t x = 0; x < 40; ++x)
            if (At(x, y) == RED && At(x + 1, y + 1) == Make_Colour(0, 0, 0)) shadow_right_of_red = true;
    EXPECT_TRUE(shadow_right_of_red);
    EXPECT_EQ(dc_->State.Text_Colour, 0u) << "the context is restored";
}

TEST_F(Primitives, NoiseStaysBetweenItsBoundsAndUsesTheLeagueGenerator) {
    Seed_Random_Numbers(99);
    const uint32_t first_draw = Random_Number();
    Seed_Random_Numbers(99);
    Draw_Button_Noise_Around_Color(dc_, {10, 10, 60, 40}, Make_Colour(100, 150, 200), 0, 0);
    EXPECT_NE(Random_Number(), first_draw) << "one draw per pixel";
    for (int32_t y = 10; y < 40; ++y)
        for (int32_t x = 10; x < 60; ++x) {
            const COLOUR_VALUE c = At(x, y);
            ASSERT_GE(Colour_Red(c), 85u);
            ASSERT_LE(Colour_Red(c), 115u);
            ASSERT_GE(Colour_Blue(c), 185u);
            ASSERT_EQ(Colour_Green(c) - Colour_Red(c), 50u) << "the channels move together";
        }
    EXPECT_EQ(At(60, 40), WHITE);
    Draw_Button_Noise(dc_, {100, 100, 140, 130}, 255, 200, 255, 200, 255, 200, 3, 3);
    EXPECT_GE(Colour_Red(At(120, 115)), 200u);
}

TEST(TeamLogos, TheKeyTellsApartCitiesOfSeveralFranchisesAndFallsBackToTheFiller) {
    Build_Test_League();
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "korva_logos_test";
    std::filesystem::create_directories(folder / "logos");
    std::filesystem::current_path(folder);
    for (const char* file : {"logos/LA2.png", "logos/Akron.jpg"})
        fclose(fopen(file, "wb"));
    char path[LOGO_PATH_SIZE];
    Set_Team_Location("Los Angeles", 1);
    Set_Team_Nickname("Rams", 1);
    Get_Team_Logo_Path(path, 1);
    EXPECT_STREQ(path, "logos\\LA2.png");
    Get_Team_Logo_Path(path, 0);
    EXPECT_STREQ(path, "logos\\Akron.jpg") << "a .jpg when there is no .png";
    Get_Team_Logo_Path(path, 2);
    EXPECT_STREQ(path, "logos\\LOGO_filler.png");
    Set_Team_Location("New York", 1);
    Set_Team_Nickname("Jets", 1);
    fclose(fopen("logos/ny1.png", "wb"));
    Get_Team_Logo_Path(path, 1);
    EXPECT_STREQ(path, "logos\\NY1.png");
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
    Build_Test_League();
}

// A league's team texts are its own: a location or abbreviation that would
// lead out of the logo folders gives the filler, or no downloaded logo.
TEST(TeamLogos, TextsThatLeadOutOfTheFolderNameNoPicture) {
    Build_Test_League();
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "korva_logos_escape_test";
    std::filesystem::create_directories(folder / "game" / "logos");
    std::filesystem::current_path(folder / "game");
    for (const char* file : {"../secret.png", "secret.png", "logos/Akron.png"})
        fclose(fopen(file, "wb"));
    char path[LOGO_PATH_SIZE];
    for (const char* location : {"../secret", "..\\secret", "../../secret", "/tmp/secret", "Akron.png:L"}) {
        Set_Team_Location(location, 1);
        Get_Team_Logo_Path(path, 1);
        EXPECT_STREQ(path, "logos\\LOGO_filler.png") << location;
    }
    Set_Team_Location("Akron", 1);
    Get_Team_Logo_Path(path, 1);
    EXPECT_STREQ(path, "logos\\Akron.png") << "a plain location still names its logo";

    char name[64];
    Set_Team_Abbreviation("../..", 1);
    Get_Downloaded_Logo_Name(name, sizeof name, 1);
    EXPECT_STREQ(name, "");
    Set_Team_Abbreviation("BUF", 1);
    Get_Downloaded_Logo_Name(name, sizeof name, 1);
    EXPECT_NE(std::string(name).find("Logos/Downloads/BUF-"), std::string::npos);
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
    Build_Test_League();
}

TEST(ColumnScaling, PositionsScaleByTheDialogFactorRounded) {
    int32_t positions[3] = {100, 256, 7};
    Dialog_Scale_Factor = 1500;
    Scale_Column_Positions(positions, 3);
    EXPECT_EQ(positions[0], 67);
    EXPECT_EQ(positions[1], 171);
    EXPECT_EQ(positions[2], 5);
    Dialog_Scale_Factor = 0;
    Scale_Column_Positions(positions, 3);
    EXPECT_EQ(positions[0], 0);
}
