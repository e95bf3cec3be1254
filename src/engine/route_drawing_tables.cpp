// Drawn paths of the 57 pass routes and 19 defensive responsibilities, in
// yards from the player's spot (see route_drawing.h for the axes and flags).
#include "engine/route_drawing.h"

namespace {
constexpr int32_t W = ROUTE_FLAG_WIGGLE;
constexpr int32_t H = ROUTE_FLAG_HITCH;
constexpr int32_t A = ROUTE_FLAG_ARROW;
constexpr int32_t D = ROUTE_FLAG_DOTTED_LINE;
constexpr int32_t K = ROUTE_FLAG_BLOCK;
constexpr int32_t T = ROUTE_FLAG_TOP_SEMI;
constexpr int32_t B = ROUTE_FLAG_BOTTOM_SEMI;
constexpr int32_t X = ROUTE_FLAG_NO_LINE;
constexpr int32_t N = ROUTE_FLAG_NEW_PATH;
} // namespace

// clang-format off
const ROUTE_DRAWING Pass_Route_Drawing[PASS_ROUTE_COUNT] = {
    /*  0 Hitch            */ {{{0, 3}, {-1, 3}, {-1, 3}, {-1, 7.5}}, {0, T, H, A}},
    /*  1 Quick Out        */ {{{0, 3}, {9, 3}}, {0, A}},
    /*  2 Slant            */ {{{-0.1, 2}, {-8, 9.9}}, {0, A}},
    /*  3 Out              */ {{{0, 7}, {9, 7}}, {0, A}},
    /*  4 Dig              */ {{{0, 7}, {-9, 7}}, {0, A}},
    /*  5 Flag             */ {{{0, 11}, {9, 11}}, {0, A}},
    /*  6 Curl             */ {{{0, 10}, {-2, 10}, {-2, 10}, {-3, 12}}, {0, T, H, A}},
    /*  7 Corner           */ {{{0, 9}, {4, 13}}, {0, A}},
    /*  8 Post             */ {{{0, 9}, {-4, 13}}, {0, A}},
    /*  9 Go               */ {{{0, 13}}, {A}},
    /* 10 Seam             */ {{{3, 1}, {3, 8}, {1, 10}}, {0, N | W, A}},
    /* 11 Screen           */ {{{2, 0.5}, {11, 0.5}, {11, 3}}, {0, H, A}},
    /* 12 Swing            */ {{{2, 1}, {6, 1}, {6, 4}}, {0, B, A}},
    /* 13 Bench            */ {{{6, 3}, {9, 7}, {14, 7}}, {0, 0, A}},
    /* 14 Over             */ {{{5, 1.5}, {7, 4}, {7, 7}, {2, 11}}, {0, 0, 0, A}},
    /* 15 Chair            */ {{{0, 8}, {2, 10}, {2, 13}}, {0, 0, A}},
    /* 16 Fly              */ {{{0, 8}, {-2, 10}, {2, 13}}, {0, 0, A}},
    /* 17 Slant Out        */ {{{0.1, 2}, {5, 6.9}}, {0, A}},
    /* 18 Hitch & Go       */ {{{0, 4}, {0, 6}, {0, 12}}, {0, N | W, A}},
    /* 19 Cutback          */ {{{0, 2}, {-7, 9}, {2, 9}}, {0, 0, A}},
    /* 20 Tee              */ {{{0, 5.5}, {2, 5.7}, {-5, 6.5}}, {0, 0, A}},
    /* 21 Shoot            */ {{{0, 6}, {2, 6}, {2, 13}}, {0, 0, A}},
    /* 22 Comeback         */ {{{0, 11}, {-4, 7}, {-10, 7}}, {0, 0, A}},
    /* 23 Fade             */ {{{0.1, 2}, {3.5, 5.5}, {5, 8.5}}, {0, 0, A}},
    /* 24 Cross            */ {{{-0.1, 1}, {-4.1, 5}, {-10, 5}}, {0, 0, A}},
    /* 25 Deep Fade        */ {{{0, 9}, {1, 12.8}}, {0, A}},
    /* 26 Deep Cross       */ {{{0, 10}, {-7, 10}, {-8, 12}}, {0, N | W, A}},
    /* 27 Flare            */ {{{0, 0}, {-1.5, 0}, {-1.5, 5}}, {0, H, A}},
    /* 28 Slant & Go       */ {{{0, 2}, {-3, 5}, {0, 8}, {0, 12}}, {0, 0, 0, A}},
    /* 29 Slant & Out      */ {{{0, 2}, {-1.2, 3.2}, {8, 3.2}}, {0, 0, A}},
    /* 30 Release          */ {{{-0.7, 2}, {-0.7, 5}, {-0.7, 9}, {-0.7, 10}}, {H, N, W, A}},
    /* 31 Play Action Dump */ {{{-0.7, 2}, {-0.7, 8}, {-0.7, 12}}, {N | H, W, A}},
    /* 32 Play Action Flat */ {{{-0.7, 2}, {-0.7, 4}, {-10, 4}}, {H, 0, A}},
    /* 33 Under            */ {{{2.6, 3}, {1.6, 3}, {1.6, 10}}, {0, T, A}},
    /* 34 Wheel            */ {{{11, 0}, {13.5, 2.5}}, {0, A}},
    /* 35 Quick Go         */ {{{0, 9}}, {A}},
    /* 36 Block & Release  */ {{{1.5, 1.5}, {0.8, 0.8}, {-0.4, 5.6}}, {K, 0, A}},
    /* 37 Play Action      */ {{{-1, 2}, {-1, 9}}, {H, A}},
    /* 38 Fill Hole        */ {{{-1, 2}, {-1, 4}}, {H, K}},
    /* 39 Pass Block       */ {{{1, 1}}, {K}},
    /* 40 Lead Block       */ {{{-1, 3}, {-1, 6}}, {0, K}},
    /* 41 Run Block        */ {{{-1, 1}}, {K}},
    /* 42 Downfield Block  */ {{{0, 1}, {0, 5}, {0, 7}}, {0, W, K}},
    /* 43 Reverse Handoff  */ {{{-1, 1}, {-10, 1}, {-13, 3}}, {0, 0, A}},
    /* 44 Second Handoff   */ {{{-18, 0}, {-18, 3}}, {B, A}},
    /* 45 Reverse Route    */ {{{-25, -1}, {-25, 8}}, {B, A}},
    /* 46 Fake Reverse     */ {{{-3, -3}, {-12, -6}, {-20, -6}, {-22, -2}}, {0, H, H, A | D}},
    /* 47 Flea Flicker     */ {{{-1, 1}, {-2, -5}, {-3, -1}}, {0, H, A | D}},
    /* 48 Rollout          */ {{{4, -2.5}, {10, -2.5}, {10, 2}, {10, 2.5}}, {0, H, A | D, 0}},
    /* 49 Rollout          */ {{{4, 1}, {10, 1}, {10, 6}, {10, 6.5}}, {0, H, A | D, 0}},
    /* 50 Block In         */ {{{-2, 3}}, {K}},
    /* 51 Block Out        */ {{{2, 3}}, {K}},
    /* 52 Kickoff          */ {{{-2, 3.8}, {-2.2, 3.8}}, {B, A}},
    /* 53 Field Goal       */ {{{-2, 1.8}, {-2.2, 1.8}}, {B, A}},
    /* 54 Rush Route       */ {{}, {}},
    /* 55 Screen           */ {{{0, -2.3}, {-1, -3}, {-1, -0.7}}, {0, H, A}},
    /* 56 Run Option       */ {{{-1, 2}, {-1, 9}}, {H, A}},
};

const RESPONSIBILITY_DRAWING Defensive_Responsibility_Drawing[DEFENSIVE_RESPONSIBILITY_COUNT] = {
    /*  0 Pass Rush        */ {{{0, -3}}, {A}},
    /*  1 Outside Rush     */ {{{1, -2}, {1, -3.3}}, {0, A}},
    /*  2 Inside Rush      */ {{{-1, -2}, {-1, -3.3}}, {0, A}},
    /*  3 Corner Blitz     */ {{{-4, -4}}, {A}},
    /*  4 Strongside Stunt */ {{{5.7, 0}, {5.7, -2}}, {T, A}},
    /*  5 Weakside Stunt   */ {{{-5.7, 0}, {-5.7, -2}}, {T, A}},
    /*  6 Plug The Gap     */ {{{0, -0.9}, {-1.4, -1.3}, {0, -0.9}, {1.4, -1.3}}, {0, 0, X, 0}},
    /*  7 Rush Contain     */ {{{-2, 0}, {0, 0}, {2, 0}}, {A, X, A}},
    /*  8 Deep Zone        */ {{{1, 5}}, {A}},
    /*  9 Short Zone       */ {{{4, 1}}, {A}},
    /* 10 Inside Zone      */ {{{0, 2}}, {A}},
    /* 11 Outside Zone     */ {{{7, 2}}, {A}},
    /* 12 Bump and Run     */ {{{0, -2}, {-1.6, -0.4}, {-1.6, 2}}, {K, 0, A}},
    /* 13 Man-To-Man       */ {{{0, 3}}, {A}},
    /* 14 Outside Man      */ {{{3, 1}, {2, 3}}, {0, A}},
    /* 15 Inside Man       */ {{{-3, 1}, {-2, 3}}, {0, A}},
    /* 16 Behind Man       */ {{{0, 4}, {-1, 2}}, {0, A}},
    /* 17 Underneath Man   */ {{{2, -2}, {2, -0.5}}, {0, A}},
    /* 18 Double Team      */ {{{0, -1}, {2, -1}, {2, 0}}, {0, B, A}},
};
// clang-format on
