// Drawn paths of the 57 pass routes and 19 defensive responsibilities, in
// yards from the player's spot (see route_drawing.h for the axes and flags).
#include "engine/route_drawing.h"

namespace {
constexpr int32_t W = ROUTE_FLAG_WIGGLE;
constexpr int32_t D = ROUTE_FLAG_DOTTED_LINE;
constexpr int32_t T = ROUTE_FLAG_TOP_SEMI;
constexpr int32_t B = ROUTE_FLAG_BOTTOM_SEMI;
constexpr int32_t N = ROUTE_FLAG_NEW_PATH;
} // namespace

// clang-format off
const ROUTE_DRAWING Pass_Route_Drawing[PASS_ROUTE_COUNT] = {
    /*  0 Hitch            */ {{{0, 4}, {-2, 3}}, {0, 0}},
    /*  1 Quick Out        */ {{{0, 3}, {4, 3}}, {0, 0}},
    /*  2 Slant            */ {{{0, 2}, {-6, 8}}, {0, 0}},
    /*  3 Out              */ {{{0, 6}, {5, 6}}, {0, 0}},
    /*  4 Dig              */ {{{0, 6}, {-8, 6}}, {0, 0}},
    /*  5 Flag             */ {{{0, 8}, {4, 12}}, {0, 0}},
    /*  6 Curl             */ {{{0, 12}, {-2, 10}}, {0, 0}},
    /*  7 Corner           */ {{{0, 12}, {6, 18}}, {0, 0}},
    /*  8 Post             */ {{{0, 12}, {-6, 20}}, {0, 0}},
    /*  9 Go               */ {{{0, 30}}, {0}},
    /* 10 Seam             */ {{{0, 2}, {1, 12}}, {0, 0}},
    /* 11 Screen           */ {{{2, -2}, {5, -2}}, {0, 0}},
    /* 12 Swing            */ {{{5, -3}, {8, -2}}, {B, 0}},
    /* 13 Bench            */ {{{4, 0}, {8, 1}}, {0, 0}},
    /* 14 Over             */ {{{1, 3}, {-4, 6}}, {0, 0}},
    /* 15 Chair            */ {{{0, 6}, {4, 6}, {4, 25}}, {0, 0, 0}},
    /* 16 Fly              */ {{{1, 3}, {1, 30}}, {0, 0}},
    /* 17 Slant Out        */ {{{0, 2}, {-2, 4}, {2, 7}}, {0, 0, 0}},
    /* 18 Hitch & Go       */ {{{0, 5}, {-1, 4}, {0, 20}}, {0, 0, 0}},
    /* 19 Cutback          */ {{{0, 8}, {-4, 9}, {-2, 10}}, {0, 0, 0}},
    /* 20 Tee              */ {{{0, 7}, {-3, 7}}, {0, 0}},
    /* 21 Shoot            */ {{{0, 4}, {-3, 10}, {-3, 22}}, {0, 0, 0}},
    /* 22 Comeback         */ {{{0, 12}, {2, 10}}, {0, 0}},
    /* 23 Fade             */ {{{1, 4}, {3, 10}}, {0, 0}},
    /* 24 Cross            */ {{{0, 2}, {-10, 5}}, {0, 0}},
    /* 25 Deep Fade        */ {{{1, 6}, {4, 22}}, {0, 0}},
    /* 26 Deep Cross       */ {{{0, 6}, {-14, 14}}, {0, 0}},
    /* 27 Flare            */ {{{3, -2}, {6, -1}}, {B, 0}},
    /* 28 Slant & Go       */ {{{0, 2}, {-3, 5}, {-3, 24}}, {0, 0, 0}},
    /* 29 Slant & Out      */ {{{0, 3}, {-3, 6}, {3, 9}}, {0, 0, 0}},
    /* 30 Release          */ {{{0, -1}, {2, 4}}, {0, 0}},
    /* 31 Play Action Dump */ {{{-2, -1}, {1, 4}}, {D, 0}},
    /* 32 Play Action Flat */ {{{-2, -1}, {5, -1}}, {D, 0}},
    /* 33 Under            */ {{{1, -2}, {-3, -1}}, {0, 0}},
    /* 34 Wheel            */ {{{4, -2}, {6, 3}, {6, 14}}, {B, T, 0}},
    /* 35 Quick Go         */ {{{0, 15}}, {0}},
    /* 36 Block & Release  */ {{{0, 1}, {-1, 1}, {-2, 6}}, {0, N, 0}},
    /* 37 Play Action      */ {{{-2, -3}, {-3, 2}}, {D, D}},
    /* 38 Fill Hole        */ {{{0, 2}}, {0}},
    /* 39 Pass Block       */ {{{1, -1}}, {0}},
    /* 40 Lead Block       */ {{{1, 4}}, {0}},
    /* 41 Run Block        */ {{{0, 1}}, {0}},
    /* 42 Downfield Block  */ {{{0, 5}, {-2, 8}}, {0, 0}},
    /* 43 Reverse Handoff  */ {{{-4, -2}}, {0}},
    /* 44 Second Handoff   */ {{{-3, -4}, {-12, -4}}, {0, W}},
    /* 45 Reverse Route    */ {{{-4, -3}, {-12, -2}, {-14, 4}}, {0, W, W}},
    /* 46 Fake Reverse     */ {{{-4, -3}, {-12, -3}}, {D, D}},
    /* 47 Flea Flicker     */ {{{-3, -2}, {-1, 3}}, {W, D}},
    /* 48 Rollout          */ {{{4, -5}, {8, -6}}, {B, 0}},
    /* 49 Rollout          */ {{{-4, -5}, {-8, -6}}, {B, 0}},
    /* 50 Block In         */ {{{-1, 1}}, {0}},
    /* 51 Block Out        */ {{{1, 1}}, {0}},
    /* 52 Kickoff          */ {{{0, 40}}, {0}},
    /* 53 Field Goal       */ {{{0, 1}}, {0}},
    /* 54 Rush Route       */ {{{0, 2}, {0, 8}}, {0, W}},
    /* 55 Screen           */ {{{0, -2}, {2, -3}}, {0, 0}},
    /* 56 Run Option       */ {{{4, -3}, {8, -3}}, {B, D}},
};

const RESPONSIBILITY_DRAWING Defensive_Responsibility_Drawing[DEFENSIVE_RESPONSIBILITY_COUNT] = {
    /*  0 Pass Rush        */ {{{0, 6}}, {0}},
    /*  1 Outside Rush     */ {{{2, 3}, {1, 7}}, {0, 0}},
    /*  2 Inside Rush      */ {{{-1, 3}, {-1, 7}}, {0, 0}},
    /*  3 Corner Blitz     */ {{{-2, 4}, {-3, 9}}, {0, 0}},
    /*  4 Strongside Stunt */ {{{2, 1}, {2, 4}}, {0, 0}},
    /*  5 Weakside Stunt   */ {{{-2, 1}, {-2, 4}}, {0, 0}},
    /*  6 Plug The Gap     */ {{{0, 2}}, {0}},
    /*  7 Rush Contain     */ {{{3, 2}, {3, 5}}, {0, 0}},
    /*  8 Deep Zone        */ {{{0, -12}, {-4, -12}, {4, -12}}, {0, N, T}},
    /*  9 Short Zone       */ {{{0, -5}, {-3, -5}, {3, -5}}, {0, N, T}},
    /* 10 Inside Zone      */ {{{-2, -6}, {-5, -6}, {1, -6}}, {0, N, T}},
    /* 11 Outside Zone     */ {{{2, -6}, {-1, -6}, {5, -6}}, {0, N, T}},
    /* 12 Bump and Run     */ {{{0, 1}, {1, -10}}, {0, D}},
    /* 13 Man-To-Man       */ {{{0, -6}}, {D}},
    /* 14 Outside Man      */ {{{2, -6}}, {D}},
    /* 15 Inside Man       */ {{{-2, -6}}, {D}},
    /* 16 Behind Man       */ {{{0, -10}}, {D}},
    /* 17 Underneath Man   */ {{{0, -3}}, {D}},
    /* 18 Double Team      */ {{{-2, -5}, {2, -5}}, {D, D}},
};
// clang-format on
