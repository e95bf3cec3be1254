#pragma once
// Drawn paths of the pass routes and defensive responsibilities, read by the
// play diagrams and the announcer. Points are in yards relative to the
// player's spot: x grows toward the offence's right (the diagrams mirror it
// for a player left of centre), y grows downfield, so a defender's steps
// toward the line of scrimmage have negative depths. Segment i runs from
// point i - 1 (the spot for i = 0) to point i. A point (0, 0) ends a
// segment after the first at its own start (a segment of no length, which
// draws only its end marks), and starts the next one at the spot again.
#include <cstdint>

#include "engine/playbook_records.h"

constexpr int ROUTE_POINTS = 4;
constexpr int RESPONSIBILITY_POINTS = 4;

// Drawing flags of a segment (bits of one word).
constexpr int32_t ROUTE_FLAG_WIGGLE = 0x1;         // a hand-drawn squiggle
constexpr int32_t ROUTE_FLAG_HITCH = 0x2;          // a dot at the end
constexpr int32_t ROUTE_FLAG_ARROW = 0x4;          // an arrowhead at the end
constexpr int32_t ROUTE_FLAG_DOTTED_LINE = 0x8;    // a dotted line
constexpr int32_t ROUTE_FLAG_BLOCK = 0x10;         // a blocking bar across the end
constexpr int32_t ROUTE_FLAG_TOP_SEMI = 0x20;      // an arc instead of a line
constexpr int32_t ROUTE_FLAG_BOTTOM_SEMI = 0x40;   // an arc the other way
constexpr int32_t ROUTE_FLAG_NO_LINE = 0x80;       // only the pen moves
constexpr int32_t ROUTE_FLAG_ARROW_MEDIUM = 0x100; // a bigger arrowhead
constexpr int32_t ROUTE_FLAG_ARROW_LARGE = 0x200;  // the biggest arrowhead
constexpr int32_t ROUTE_FLAG_NEW_PATH = 0x400;     // a new path starts before the segment
constexpr int32_t ROUTE_FLAG_ANY_ARROW = ROUTE_FLAG_ARROW | ROUTE_FLAG_ARROW_MEDIUM | ROUTE_FLAG_ARROW_LARGE;

struct ROUTE_DRAWING {
    double Points[ROUTE_POINTS][2];
    int32_t Flags[ROUTE_POINTS];
};

struct RESPONSIBILITY_DRAWING {
    double Points[RESPONSIBILITY_POINTS][2];
    int32_t Flags[RESPONSIBILITY_POINTS];
};

// Indexed by PASS_ROUTE and DEFENSIVE_RESPONSIBILITY code.
extern const ROUTE_DRAWING Pass_Route_Drawing[PASS_ROUTE_COUNT];
extern const RESPONSIBILITY_DRAWING Defensive_Responsibility_Drawing[DEFENSIVE_RESPONSIBILITY_COUNT];

// Number of segments up to the last point that is not (0, 0).
int32_t Count_Route_Segments(int32_t route);
// x of the route's last point that is not (0, 0); 0 for a route without one
// (the ball carrier's "Rush Route") or a code outside the table.
double Get_Pass_Route_End_X(int32_t route);
// Whether a route finishes toward the sideline: its end x is at least 3.0 for
// routes of backs (kinds 1 and 4), at least -1.5 for the others.
bool Pass_Route_Ends_Outside(int32_t route);

// Responsibility drawing; out-of-range codes or points are reported and give 0.
int32_t Get_Defensive_Responsibility_Flag(int32_t role, int32_t segment);
int32_t Get_Defensive_Responsibility_Point(int32_t role, int32_t point, double* x, double* y);
