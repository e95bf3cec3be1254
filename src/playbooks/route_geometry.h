#pragma once
// Route geometry: one segment of a route or an assignment, with its flags,
// turned into anti-aliased paths of a play diagram (lines and arcs, squiggles
// and dots, arrowheads, hitch dots and blocking bars).
#include <cstdint>

#include "app/drawing_random.h"
#include "app/vector_paths.h"

// One diagram being drawn: its paths, its window in yards (lateral left to
// right, depth from Top, the smallest, to Bottom, the largest), its own
// random sequence for the squiggles, and the attributes of the route being
// drawn, which its later segments keep after an arrowhead, a dot or an effect
// has taken over the newest path.
struct PLAY_DIAGRAM {
    PATH_COLLECTION Paths;
    double Left = 0.0;
    double Top = 0.0;
    double Right = 0.0;
    double Bottom = 0.0;
    DRAWING_RANDOM Random;
    uint32_t Route_Colour = 0;
    double Route_Width = 0.0;
    // The newest path is no plain line of the route (filled, or replaced by
    // an effect): the next segment starts a path of its own.
    bool Fresh_Path_Needed = true;
};

// Arrowheads: length and half-width in yards by flag.
constexpr double ARROW_LENGTH = 0.8;
constexpr double ARROW_HALF_WIDTH = 0.4;
constexpr double ARROW_MEDIUM_LENGTH = 0.9;
constexpr double ARROW_MEDIUM_HALF_WIDTH = 0.45;
constexpr double ARROW_LARGE_LENGTH = 1.1;
constexpr double ARROW_LARGE_HALF_WIDTH = 0.55;
// A segment longer than this (|dx| + |dy| in yards) is refused.
constexpr double LONGEST_ROUTE_SEGMENT = 100000.0;

// Starts a stroked path of a route in `colour` (a path colour word: alpha,
// blue, green, red from the high byte down, as Make_Path_Colour makes it) and
// `width` yards (times the collection's width scale); its segments follow.
void Begin_Route_Path(PLAY_DIAGRAM* diagram, uint32_t colour, double width);
// Adds the segment from (x0, y0) to (x1, y1) with its flags to the route
// being drawn, and its end marks.
void Add_Route_Segment(PLAY_DIAGRAM* diagram, int32_t flags, double x0, double y0, double x1, double y1);
bool Is_Arrow_Segment(int32_t flags);
