// The defensive playbooks the installation ships, one per defensive front.
// Each folder asks for plays in given formations: 22 4-3, 23 4-3 (third
// down), 24 6-1, 25 3-4, 26 3-4 (third down), 27 3-4 Eagle, 28 5-2, 29 46,
// 30 Nickel, 31 3-3-5, 32 33 Stack, 33 3-5-3, 34 Dime, 35 3-4 Dime,
// 36 Prevent, 37 4-4, 38 Goal Line. Every front keeps plays near each pass
// focus the computer's play caller asks for, from the goal-line 4-4 to the
// prevent. Variation weights, in DEFENSIVE_VARIANT order: as drawn, press,
// zone, linebacker blitz, zone blitz.
#include "tools/playbooks/book_designs.h"

// clang-format off
const DEFENSIVE_BOOK_DESIGN Defensive_Book_Designs[] = {
    {"4-3",
     "Four linemen and three linebackers: gap control against the run and zone coverage behind it, from the Tampa 2 to cover 3.",
     {{"Balanced", {{22, 6}, {23, 4}}},
      {"Run Defense", {{24, 2}, {29, 3}, {28, 2}, {37, 3}}},
      {"Pass Defense", {{30, 4}, {34, 3}, {36, 2}, {23, 1}}}},
     {6, 1, 7, 2, 1},
     3, 0, 0},

    {"3-4",
     "Three linemen and four linebackers: pressure from any side with zone blitzes, corner blitzes and press coverage.",
     {{"Balanced", {{25, 6}, {26, 2}, {33, 2}}},
      {"Run Defense", {{27, 3}, {25, 2}, {28, 2}, {37, 3}}},
      {"Pass Defense", {{31, 3}, {32, 2}, {35, 3}, {36, 2}}}},
     {5, 7, 1, 6, 7},
     0, 3, 3},
};
// clang-format on

const int Defensive_Book_Design_Count = sizeof Defensive_Book_Designs / sizeof Defensive_Book_Designs[0];
