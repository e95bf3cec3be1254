#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command_line_flags.h"
#include "app/dib_sections.h"
#include "app/vector_paths.h"
#include "platform/debugger.h"
#include "platform/png_file.h"
#include "support/debug_log.h"

namespace {
class Paths : public testing::Test {
  protected:
    void SetUp() override {
        Resize_Drawing_Surface(&surface_, 160, 60);
        std::fill(surface_.Pixels.begin(), surface_.Pixels.end(), 0xFFFFFFFFu);
        Attach_Device_Context(&dc_, &surface_);
        Clear_Debug_Log();
    }
    void TearDown() override { Free_Path_Collection(&paths_); }
    uint32_t At(int32_t x, int32_t y) const { return Get_Surface_Pixel(&surface_, x, y); }
    void Add_Box(double x1, double y1, double x2, double y2) {
        start_new_path(&paths_, 0);
        paths_.Vertices.move_to(x1, y1);
        paths_.Vertices.line_to(x2, y1);
        paths_.Vertices.line_to(x2, y2);
        paths_.Vertices.line_to(x1, y2);
        paths_.Vertices.close_polygon();
    }
    DRAWING_SURFACE surface_{};
    DEVICE_CONTEXT dc_{};
    PATH_COLLECTION paths_;
};
} // namespace

TEST_F(Paths, TablesGrowByThirtyTwoAndAnEmptyPathIsNotStartedTwice) {
    std::string trace;
    Capture_Debugger_Output(&trace);
    Command_Line_Flags |= DTXT_AGG;
    for (int i = 0; i < 40; ++i) {
        start_new_path(&paths_, 0);
        paths_.Vertices.move_to(i, 0);
        paths_.Vertices.line_to(i, 10);
    }
    Command_Line_Flags &= ~DTXT_AGG;
    Capture_Debugger_Output(nullptr);
    EXPECT_EQ(paths_.Count, 40);
    EXPECT_EQ(paths_.Capacity, 64);
    EXPECT_NE(trace.find("Increasing paths from 0 to 32"), std::string::npos);
    EXPECT_NE(trace.find("Increasing paths from 32 to 64"), std::string::npos);
    EXPECT_EQ(paths_.Attributes[39].Serial, 39);
    EXPECT_EQ(paths_.Attributes[39].Line_Cap, PATH_CAP_ROUND);

    const uint16_t serial = start_new_path(&paths_, 0);
    EXPECT_EQ(start_new_path(&paths_, 0), serial) << "a path without vertices is not followed by another";
    EXPECT_EQ(paths_.Count, 41);
}

TEST_F(Paths, ALaterPathCanTakeTheAttributesOfAnEarlierOne) {
    Add_Box(0, 0, 10, 10);
    Set_Path_Colour(&paths_, Make_Path_Colour(1, 2, 3));
    Set_Path_Flags(&paths_, PATH_FILL);
    Add_Box(20, 0, 30, 10);
    paths_.Width_Scale = 2;
    Set_Path_Width(&paths_, 3);
    Set_Path_Flags(&paths_, PATH_STROKE);
    EXPECT_EQ(Get_Newest_Path(&paths_)->Stroke_Width, 6.0) << "widths take the collection's scale";
    const uint16_t serial = start_new_path(&paths_, -2);
    EXPECT_EQ(Get_Newest_Path(&paths_)->Colour, Make_Path_Colour(1, 2, 3))
        << "the second path back that has flags";
    EXPECT_EQ(Get_Newest_Path(&paths_)->Serial, serial);
    paths_.Override_Flag = 1;
    paths_.Override_Colour = Make_Path_Colour(9, 9, 9);
    Set_Path_Colour(&paths_, Make_Path_Colour(1, 1, 1));
    EXPECT_EQ(Get_Newest_Path(&paths_)->Colour, Make_Path_Colour(9, 9, 9));
}

// The trace of a path started with a step back names the serial of the path
// that many places before it, whichever path the attributes come from.
TEST_F(Paths, TheStepBackTraceNamesThePathThatManyPlacesBefore) {
    Add_Box(0, 0, 10, 10);
    Set_Path_Flags(&paths_, PATH_FILL);
    Add_Box(20, 0, 30, 10); // no flags: passed over by the step back
    Add_Box(40, 0, 50, 10);
    Set_Path_Colour(&paths_, Make_Path_Colour(7, 7, 7));
    Set_Path_Flags(&paths_, PATH_STROKE);
    std::string trace;
    Capture_Debugger_Output(&trace);
    Command_Line_Flags |= DTXT_AGG;
    start_new_path(&paths_, -2);
    paths_.Vertices.move_to(0, 0);
    paths_.Vertices.line_to(5, 5);
    start_new_path(&paths_, -9);
    Command_Line_Flags &= ~DTXT_AGG;
    Capture_Debugger_Output(nullptr);
    EXPECT_EQ(paths_.Attributes[3].Flags, PATH_FILL) << "the second flagged path back, serial 0";
    EXPECT_NE(trace.find("start_new_path(-2) THIS=3 OLD=1"), std::string::npos) << trace;
    EXPECT_NE(trace.find("start_new_path(-9) THIS=4 OLD=-1"), std::string::npos) << "no path that far back";
}

TEST_F(Paths, AFilledBoxMatchesItsReferenceImageExactlyOnPixelEdges) {
    Add_Box(10, 10, 30, 20);
    Set_Path_Colour(&paths_, Make_Path_Colour(200, 0, 0));
    Set_Path_Flags(&paths_, PATH_FILL);
    paths_.Window_Right = 40;
    paths_.Window_Bottom = 30;
    ASSERT_EQ(Render_Paths(&dc_, &paths_, 0, 0, 40, 30, 0), 1);
    // The reference: the box's pixels red, all others untouched.
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 10 && y < 20;
            ASSERT_EQ(At(x, y), inside ? 0xFFC80000u : 0xFFFFFFFFu) << x << "," << y;
        }
}

TEST_F(Paths, ACircleIsSolidInsideUntouchedOutsideAndSmoothOnItsEdge) {
    start_new_path(&paths_, 0);
    Add_Circle_To_Path(&paths_.Vertices, 12, 30, 30);
    Set_Path_Colour(&paths_, Make_Path_Colour(0, 0, 0, 128));
    Set_Path_Flags(&paths_, PATH_FILL);
    paths_.Window_Right = 60;
    paths_.Window_Bottom = 60;
    Render_Paths(&dc_, &paths_, 0, 0, 60, 60, 0);
    int partial = 0;
    for (int32_t y = 0; y < 60; ++y)
        for (int32_t x = 0; x < 60; ++x) {
            const double d = std::hypot(x + 0.5 - 30, y + 0.5 - 30);
            const uint32_t grey = At(x, y) & 0xFF;
            if (d < 11)
                ASSERT_NEAR(grey, 127u, 1u) << "half-transparent black over white";
            else if (d > 13)
                ASSERT_EQ(grey, 255u);
            else
                partial += grey > 128 && grey < 254;
        }
    EXPECT_GT(partial, 20) << "anti-aliased rim";
}

TEST_F(Paths, ThePathWindowMapsOntoTheOutputArea) {
    // The timeline cell: window (-2, -2, 136, 28) at 138 x 29 puts x 0 at pixel 2.
    start_new_path(&paths_, 0);
    paths_.Vertices.move_to(13, 0);
    paths_.Vertices.line_to(134, 0);
    paths_.Vertices.line_to(121, 26);
    paths_.Vertices.line_to(0, 26);
    paths_.Vertices.close_polygon();
    Set_Path_Colour(&paths_, Make_Path_Colour(255, 255, 0));
    Set_Path_Width(&paths_, 3);
    Set_Path_Flags(&paths_, PATH_STROKE);
    paths_.Window_Left = -2;
    paths_.Window_Top = -2;
    paths_.Window_Right = 136;
    paths_.Window_Bottom = 28;
    Render_Paths(&dc_, &paths_, 10, 10, 138, 29, 0);
    // 138 pixels for 138 units across, 29 for 30 down: y 26 lands at 28 x 29 / 30.
    EXPECT_EQ(At(10 + 2 + 30, 10 + 27), 0xFFFFFF00u) << "the bottom edge";
    EXPECT_EQ(At(10 + 1, 10 + 14), 0xFFFFFFFFu) << "left of x 0 (pixel 2) stays clear";
    EXPECT_NE(At(10 + 3, 10 + 20), 0xFFFFFFFFu) << "the left edge starts at pixel 2";
    EXPECT_EQ(At(10 + 70, 10 + 14), 0xFFFFFFFFu) << "inside the frame stays clear";

    // With the orientation flag y grows upward.
    Free_Path_Collection(&paths_);
    paths_ = PATH_COLLECTION{};
    Add_Box(0, 0, 10, 5);
    Set_Path_Colour(&paths_, Make_Path_Colour(0, 0, 255));
    Set_Path_Flags(&paths_, PATH_FILL);
    paths_.Window_Right = 10;
    paths_.Window_Bottom = 10;
    paths_.Orientation = 1;
    std::fill(surface_.Pixels.begin(), surface_.Pixels.end(), 0xFFFFFFFFu);
    Render_Paths(&dc_, &paths_, 0, 0, 10, 10, 0);
    EXPECT_EQ(At(5, 8), 0xFF0000FFu) << "the lower half";
    EXPECT_EQ(At(5, 2), 0xFFFFFFFFu);
}

TEST_F(Paths, EffectsRefuseChangedFilledOrEmptyPathsAndReplaceTheRest) {
    start_new_path(&paths_, 0);
    paths_.Vertices.move_to(5, 5);
    paths_.Vertices.line_to(105, 5);
    Set_Path_Width(&paths_, 4);
    Set_Path_Colour(&paths_, Make_Path_Colour(0, 128, 0));
    Set_Path_Flags(&paths_, PATH_STROKE);
    ASSERT_EQ(Dot_Current_Path(&paths_, 1.0, 2.5), 1);
    EXPECT_NE(paths_.Attributes[0].Flags & PATH_REPLACED, 0u);
    EXPECT_EQ(Get_Newest_Path(&paths_)->Flags, PATH_FILL);
    EXPECT_EQ(Dot_Current_Path(&paths_, 1.0, 2.5), 0) << "the dots are a filled shape";
    EXPECT_EQ(Count_Debug_Lines("Trying to dot a filled shape!"), 1);
    paths_.Window_Right = 110;
    paths_.Window_Bottom = 10;
    paths_.Window_Top = 0;
    Render_Paths(&dc_, &paths_, 0, 0, 110, 10, 0);
    EXPECT_EQ(At(5, 5) & 0xFF00, 0x8000u) << "a dot at the start";
    EXPECT_EQ(At(10, 5), 0xFFFFFFFFu) << "and a gap after it";

    start_new_path(&paths_, 0);
    paths_.Vertices.move_to(5, 5);
    Set_Path_Width(&paths_, 2);
    Set_Path_Flags(&paths_, PATH_STROKE);
    EXPECT_EQ(Dot_Current_Path(&paths_, 1, 2), 0);
    EXPECT_EQ(Count_Debug_Lines("Invalid path length for dots: 0.000000"), 1);

    start_new_path(&paths_, 0);
    paths_.Vertices.move_to(5, 30);
    paths_.Vertices.line_to(150, 30);
    Set_Path_Width(&paths_, 2);
    Set_Path_Colour(&paths_, Make_Path_Colour(0, 0, 0));
    Set_Path_Flags(&paths_, PATH_STROKE);
    ASSERT_EQ(Squiggle_Current_Path(&paths_, 10, 4, 1), 1);
    EXPECT_EQ(Squiggle_Current_Path(&paths_, 10, 4, 1), 1) << "the wave itself may be squiggled again";
    const int32_t wave = paths_.Count - 2;
    EXPECT_EQ(paths_.Attributes[static_cast<size_t>(wave)].Inner_Join, PATH_INNER_JOIN_ROUND);
    EXPECT_EQ(Squiggle_Current_Path(&paths_, 10, 4, 1), 1);
    paths_.Attributes[static_cast<size_t>(paths_.Count - 1)].Flags |= PATH_REPLACED;
    EXPECT_EQ(Squiggle_Current_Path(&paths_, 10, 4, 1), 0);
    EXPECT_EQ(Count_Debug_Lines("Trying to squiggle an already squiggled path!"), 1);
}

TEST_F(Paths, AnInsanePathIsSkippedAndAShadowFallsDownAndRight) {
    start_new_path(&paths_, 0);
    paths_.Vertices.move_to(0, 0);
    paths_.Vertices.line_to(200000, 0);
    Set_Path_Flags(&paths_, PATH_STROKE);
    Add_Box(20, 10, 40, 30);
    Set_Path_Colour(&paths_, Make_Path_Colour(255, 0, 0));
    Set_Path_Flags(&paths_, PATH_FILL);
    paths_.Window_Right = 60;
    paths_.Window_Bottom = 50;
    paths_.Shadow_Size = 9;
    Render_Paths(&dc_, &paths_, 0, 0, 60, 50, 0);
    EXPECT_EQ(Count_Debug_Lines("Path length is insane: 200000.000000"), 1);
    EXPECT_EQ(At(30, 20), 0xFFFF0000u);
    EXPECT_LT(At(42, 32) & 0xFF, 250u) << "the shadow darkens below and right of the box";
    EXPECT_EQ(At(15, 5), 0xFFFFFFFFu);
}

// Shapes added to paths, their bounding rectangle, a colour of the platform
// as a path colour, and paths read from a description, rendered.
TEST_F(Paths, ShapesAndDescriptionsBuildPathsThatRender) {
    start_new_path(&paths_, 0);
    Add_Hexagon_To_Path(&paths_.Vertices, 20, 20, 10, 0);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_TRUE(Get_Path_Bounding_Rect(&paths_, &x1, &y1, &x2, &y2));
    EXPECT_DOUBLE_EQ(x1, 10) << "the first corner at 0 degrees, the fourth at 180";
    EXPECT_DOUBLE_EQ(x2, 30);
    EXPECT_NEAR(y1, 20 - 10 * std::sqrt(3.0) / 2, 1e-9) << "corners at 60 and 120 degrees";
    EXPECT_NEAR(y2, 20 + 10 * std::sqrt(3.0) / 2, 1e-9);
    start_new_path(&paths_, 0);
    Add_Rectangle_To_Path(&paths_.Vertices, -5, 3, 50, 8);
    ASSERT_TRUE(Get_Path_Bounding_Rect(&paths_, &x1, &y1, &x2, &y2));
    EXPECT_DOUBLE_EQ(x1, -5) << "over every path";
    EXPECT_DOUBLE_EQ(x2, 50);
    EXPECT_NEAR(y2, 20 + 10 * std::sqrt(3.0) / 2, 1e-9);
    PATH_COLLECTION empty;
    EXPECT_FALSE(Get_Path_Bounding_Rect(&empty, &x1, &y1, &x2, &y2));

    EXPECT_EQ(Colour_To_Rgba(Make_Colour(10, 20, 30)), Make_Path_Colour(10, 20, 30, 255));

    Free_Path_Collection(&paths_);
    paths_ = PATH_COLLECTION{};
    EXPECT_EQ(Parse_Path_Description(
                  &paths_, "M 10,10 L 50 10 L 50 -.5 L10 -.5 Z #00C800  m2.5 40 l 20 40 l 2.5 50 z"),
              2);
    ASSERT_EQ(paths_.Count, 2);
    EXPECT_EQ(paths_.Attributes[0].Colour, Make_Path_Colour(0, 200, 0, 255));
    paths_.Attributes[0].Flags = PATH_FILL;
    paths_.Attributes[1].Colour = Colour_To_Rgba(Make_Colour(0, 0, 255));
    paths_.Attributes[1].Flags = PATH_FILL;
    paths_.Window_Right = 60;
    paths_.Window_Bottom = 60;
    Render_Paths(&dc_, &paths_, 0, 0, 60, 60, 0);
    EXPECT_EQ(At(30, 5), 0xFF00C800u) << "the first shape, y from -0.5 to 10";
    EXPECT_EQ(At(30, 12), 0xFFFFFFFFu);
    EXPECT_EQ(At(8, 45), 0xFF0000FFu) << "the triangle";
    EXPECT_EQ(At(30, 45), 0xFFFFFFFFu);

    Clear_Debug_Log();
    const int32_t before = paths_.Count;
    EXPECT_EQ(Parse_Path_Description(&paths_, "M 1 1 L 2 2 #12345 L 3 3"), -1) << "five hex digits";
    EXPECT_EQ(paths_.Count, before + 1) << "the path read before the fault stays";
    EXPECT_EQ(Count_Debug_Lines("Bad path description at character 12: \"#12345 L 3 3\""), 1);
    EXPECT_EQ(Parse_Path_Description(&paths_, "L 1 2"), 1 - 1) << "a line goes on the newest path";
    PATH_COLLECTION fresh;
    EXPECT_EQ(Parse_Path_Description(&fresh, "L 1 2"), -1) << "but needs one";
    EXPECT_EQ(Parse_Path_Description(&fresh, "M 1"), -1) << "a point needs two numbers";
    EXPECT_EQ(Parse_Path_Description(&fresh, "Q 1 1"), -1);
    Free_Path_Collection(&fresh);
}

// The reflecting wrapper takes the radial distance modulo twice the length
// and mirrors it above the length: rings out and back.
TEST_F(Paths, TheRadialGradientIsReflectedIntoRings) {
    gradient_polymorphic_wrapper<agg::gradient_radial> radial;
    const gradient_polymorphic_wrapper_base& shape = radial;
    struct CASE {
        int X, Y, D, Expected;
        const char* What;
    };
    // Read through a volatile so that the compiler does not fold the square
    // root's table lookups of constant points.
    EXPECT_EQ(shape.calculate(0, 0, 0), 0);
    const CASE cases[] = {{0, 0, 100, 0, "the centre"},
                          {60, 0, 100, 60, "within the length"},
                          {0, 100, 100, 100, "the full length"},
                          {130, 0, 100, 70, "mirrored above the length"},
                          {0, -230, 100, 30, "modulo twice the length"},
                          {5, 5, 0, 0, "no length"}};
    for (const CASE& c : cases) {
        volatile int x = c.X, y = c.Y, d = c.D;
        EXPECT_NEAR(shape.calculate(x, y, d), c.Expected, 1) << c.What << " (the square root is a fast one)";
    }

    DRAWING_RANDOM colours;
    Seed_Drawing_Random(&colours, 7);
    ASSERT_EQ(Draw_Radial_Gradient_Demo(&dc_, 10, 0, 60, 60, &colours), 1);
    DRAWING_RANDOM same;
    Seed_Drawing_Random(&same, 7);
    const uint32_t inner_red = static_cast<uint32_t>(Next_Drawing_Random(&same)) >> 7;
    EXPECT_NEAR(static_cast<double>((At(40, 30) >> 16) & 0xFF), inner_red, 2.0)
        << "the first colour at the centre";
    EXPECT_EQ(At(11, 1), 0xFFFFFFFFu) << "outside the circle";
    Write_Surface_PNG(&surface_, "gradient.png");
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&surface_, (std::string(folder) + "/radial_gradient.png").c_str());
    std::remove("gradient.png");
}
