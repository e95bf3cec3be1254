#include <gtest/gtest.h>

#include <cmath>

#include "platform/agg_warnings.h"
#include "tools/art/art_canvas.h"

namespace {
// How much of the pixel whose centre lies nearest (x, y) is covered (0..255).
int Coverage_At(const ART_CANVAS& canvas, double x, double y) {
    return static_cast<int>(Get_Surface_Pixel(&canvas.Surface, static_cast<int32_t>(std::floor(x)),
                                              static_cast<int32_t>(std::floor(y))) >>
                            24);
}
} // namespace

TEST(ArtCanvas, ACircleOfArcsIsRoundWithinAPixel) {
    // Drawn as the logos draw their rings: two half arcs.
    const double cx = 64, cy = 64, r = 44;
    ART_CANVAS canvas;
    Start_Canvas(&canvas, 128, 128, Art_Colour(0, 0, 0, 0));
    agg::path_storage circle;
    circle.move_to(cx - r, cy);
    circle.arc_to(r, r, 0, false, true, cx + r, cy);
    circle.arc_to(r, r, 0, false, true, cx - r, cy);
    circle.close_polygon();
    Fill_Art_Path(&canvas, circle, Art_Colour(200, 40, 40));
    // Every part of the pixel holding a point lies within 0.71 of it: the
    // pixels at r - 1.5 lie wholly inside a round edge, those at r + 1.5
    // wholly outside.
    for (int degrees = 0; degrees < 360; degrees += 3) {
        const double a = degrees * M_PI / 180.0;
        EXPECT_GE(Coverage_At(canvas, cx + (r - 1.5) * std::cos(a), cy + (r - 1.5) * std::sin(a)), 254)
            << "just inside the circle at " << degrees << " degrees";
        EXPECT_EQ(Coverage_At(canvas, cx + (r + 1.5) * std::cos(a), cy + (r + 1.5) * std::sin(a)), 0)
            << "just outside the circle at " << degrees << " degrees";
    }
}

TEST(ArtCanvas, AStrokedCurveFollowsTheCurveNotItsControlPoints) {
    ART_CANVAS canvas;
    Start_Canvas(&canvas, 100, 60, Art_Colour(0, 0, 0, 0));
    agg::path_storage arch;
    arch.move_to(10, 50);
    arch.curve4(10, 10, 90, 10, 90, 50);
    Stroke_Art_Path(&canvas, arch, 3, Art_Colour(0, 0, 0));
    // The middle of this cubic lies three quarters of the way up to its
    // control points: at y = 20.
    EXPECT_GT(Coverage_At(canvas, 50.5, 20.5), 200);
    EXPECT_EQ(Coverage_At(canvas, 50.5, 10.5), 0) << "the line between the control points is not drawn";
    EXPECT_EQ(Coverage_At(canvas, 10.5, 20.5), 0);
}
