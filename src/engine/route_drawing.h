#pragma once
// Drawn paths of the pass routes and defensive responsibilities, read by the
// play diagrams and the game screen. Points are in yards relative to the
// player's spot: x grows toward the player's own sideline (outward; for a
// player lined up in the middle, toward the right), y grows downfield for the
// offence and toward the offence's backfield for the defence. Segment i runs
// from point i - 1 (the spot for i = 0) to point i; unused points are (0, 0).
#include <cstdint>

#include "engine/playbook_records.h"

constexpr int ROUTE_POINTS = 5;
constexpr int RESPONSIBILITY_POINTS = 4;

// Drawing flags of a segment.
constexpr int32_t ROUTE_FLAG_WIGGLE = 1;       // a wavy line: the ball carrier's run
constexpr int32_t ROUTE_FLAG_DOTTED_LINE = 8;  // a fake or a man to cover
constexpr int32_t ROUTE_FLAG_TOP_SEMI = 32;    // a half circle bulging forward
constexpr int32_t ROUTE_FLAG_BOTTOM_SEMI = 64; // a half circle bulging backward
constexpr int32_t ROUTE_FLAG_NEW_PATH = 1024;  // the pen moves to the end point without drawing

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

// Number of segments actually drawn: up to the last point that is not (0, 0).
int32_t Count_Route_Segments(int32_t route);
// x of the route's last point that is not (0, 0); 0 for a route without one
// or a code outside the table.
double Get_Pass_Route_End_X(int32_t route);
// Whether a route finishes toward the sideline: its end x is at least 3.0 for
// routes of backs (kinds 1 and 4), at least -1.5 for the others.
bool Pass_Route_Ends_Outside(int32_t route);

// Responsibility drawing; out-of-range codes or points are reported and give 0.
int32_t Get_Defensive_Responsibility_Flag(int32_t role, int32_t segment);
int32_t Get_Defensive_Responsibility_Point(int32_t role, int32_t point, double* x, double* y);
