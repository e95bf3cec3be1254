// The offensive playbooks the installation ships, one per name the offensive
// systems and the season tables give a team.
//
// Formation weights, by formation number:
//   0 'I'  1 Strong 'I'  2 Full House  3 Pro  4 Ace  5 Spread  6 H-Back
//   7 Tight  8 Gun  9 Gun-4  10 Gun-5  11 Gun-Pro  12 Gun-Trips  13 Trips
//   14 Trips Strong  15 Bunch  16 Five  17 Gun-Two  18 Pistol  19 Gun Third
//   20 Goal  21 Wildcat
// Variation weights, in PLAY_VARIANT order:
//   as drawn, read option, QB draw, fullback run, rollout, bootleg, deep,
//   quick, max protect, play action
#include "tools/playbooks/book_designs.h"

namespace {
constexpr uint8_t I = BUCKET_INSIDE_RUN;
constexpr uint8_t O = BUCKET_OUTSIDE_RUN;
constexpr uint8_t D = BUCKET_DRAW;
constexpr uint8_t E = BUCKET_END_AROUND;
constexpr uint8_t S = BUCKET_SHORT_PASS;
constexpr uint8_t M = BUCKET_MEDIUM_PASS;
constexpr uint8_t L = BUCKET_LONG_PASS;
constexpr uint8_t RUN = BUCKET_RUN;
constexpr uint8_t PASS = BUCKET_PASS;
constexpr uint16_t OPTION = Variant_Bit(VARIANT_READ_OPTION);
constexpr uint16_t QB_DRAW = Variant_Bit(VARIANT_QB_DRAW);
constexpr uint16_t FULLBACK = Variant_Bit(VARIANT_FULLBACK_RUN);
constexpr uint16_t ROLLOUT = Variant_Bit(VARIANT_ROLLOUT);
constexpr uint16_t BOOTLEG = Variant_Bit(VARIANT_BOOTLEG);
constexpr uint16_t MOVING = ROLLOUT | BOOTLEG;
constexpr uint16_t DEEP = Variant_Bit(VARIANT_DEEP);
constexpr uint16_t MAX = Variant_Bit(VARIANT_MAX_PROTECT);
constexpr uint8_t PA = 1;
} // namespace

// clang-format off
const OFFENSIVE_BOOK_DESIGN Offensive_Book_Designs[] = {
    {"Default", "", 1, {}, {}, {}, 0, 0, 0},

    {"West Coast",
     "Short timing passes from three-receiver sets stretch the defence sideways; the runs keep it honest.",
     0,
     {{"Inside Runs", {{I, 7}, {D, 3}}},
      {"Outside Runs", {{O, 8}, {E, 2}}},
      {"Quick Game", {{S, 10}}},
      {"Timing Routes", {{M, 10}}},
      {"Intermediate", {{M, 6}, {L, 4}}},
      {"Screens & Movement", {{S, 2}, {PASS, 2, MOVING}}}},
     {1, 1, 0, 3, 8, 4, 2, 2, 7, 4, 1, 3, 5, 6, 5, 6, 1, 1, 1, 4, 1, 0},
     {8, 0, 0, 0, 1, 2, 1, 7, 0, 2},
     0, 0, 6},

    {"Double Tight End",
     "Two tight ends give a power front for the run and play-action throws to the tight ends and outside.",
     0,
     {{"Inside Runs", {{I, 8}, {D, 2}}},
      {"Outside Runs", {{O, 9}, {E, 1}}},
      {"Play Action", {{PASS, 10, 0, PA}}},
      {"Short Passes", {{S, 10}}},
      {"Medium & Long", {{M, 6}, {L, 4}}},
      {"Bootlegs", {{PASS, 4, MOVING}}}},
     {1, 3, 0, 2, 1, 0, 8, 9, 1, 0, 0, 0, 0, 0, 0, 0, 0, 7, 2, 0, 4, 3},
     {8, 0, 0, 0, 2, 6, 2, 2, 2, 6},
     5, 2, 1},

    {"Two Back",
     "Two backs behind the quarterback: a downhill running game with the fullback, play action and screens to the backs.",
     0,
     {{"Inside Runs", {{I, 8}, {D, 2}}},
      {"Outside Runs", {{O, 10}}},
      {"Fullback & Screens", {{RUN, 6, FULLBACK}, {S, 4}}},
      {"Play Action", {{PASS, 10, 0, PA}}},
      {"Passes", {{S, 2}, {M, 5}, {L, 3}}},
      {"Trick/Special", {{PASS, 2, BOOTLEG}, {E, 2}}}},
     {5, 5, 7, 9, 1, 0, 0, 2, 1, 0, 0, 3, 0, 0, 0, 0, 0, 0, 8, 6, 3, 0},
     {8, 0, 0, 5, 1, 3, 2, 2, 1, 5},
     4, 6, 5},

    {"Single Back",
     "One back behind the quarterback with two tight ends or three receivers around him: zone runs, play action and the middle of the field.",
     0,
     {{"Inside Runs", {{I, 8}, {D, 2}}},
      {"Outside Runs", {{O, 10}}},
      {"Short Passes", {{S, 10}}},
      {"Medium Passes", {{M, 10}}},
      {"Play Action & Deep", {{PASS, 4, 0, PA}, {L, 6}}},
      {"Trick/Special", {{PASS, 2, MOVING}, {E, 2}}}},
     {0, 0, 0, 1, 9, 2, 7, 6, 7, 2, 0, 0, 3, 4, 4, 0, 0, 5, 1, 3, 0, 0},
     {8, 0, 0, 0, 1, 3, 3, 3, 1, 4},
     3, 0, 2},

    {"Smash Mouth",
     "A power running game from big formations: lead blocks, traps and play-action passes off the run.",
     0,
     {{"Inside Runs", {{I, 8}, {D, 2}}},
      {"Power Runs", {{I, 5}, {O, 5}}},
      {"Outside Runs", {{O, 8}, {E, 1}, {D, 1}}},
      {"Play Action", {{PASS, 10, 0, PA}}},
      {"Passes", {{S, 5}, {M, 3}, {L, 2}}},
      {"Shots", {{PASS, 2, BOOTLEG}, {L, 2}}}},
     {7, 9, 6, 6, 2, 0, 4, 6, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 6, 1},
     {8, 0, 0, 3, 0, 4, 3, 1, 2, 7},
     6, 8, 2},

    {"Running QB",
     "The quarterback is a runner: read options, quarterback draws and rollouts from the shotgun and the pistol.",
     0,
     {{"Inside Runs", {{I, 7}, {D, 3}}},
      {"Read Option", {{RUN, 10, OPTION}}},
      {"QB Draws & Outside", {{D, 2, QB_DRAW}, {O, 8}}},
      {"Short Passes", {{S, 10}}},
      {"Medium & Long", {{M, 6}, {L, 4}}},
      {"Rollouts", {{PASS, 4, ROLLOUT}}}},
     {0, 0, 0, 1, 2, 3, 0, 0, 8, 5, 0, 0, 4, 1, 0, 0, 0, 2, 8, 6, 0, 0},
     {7, 8, 6, 0, 5, 3, 1, 3, 0, 3},
     2, 0, 2},

    {"West Coast Scramble",
     "West-coast timing passes with a quarterback who moves: rollouts, bootlegs and scrambles when the quick throw is not there.",
     0,
     {{"Inside Runs", {{I, 7}, {D, 2}, {D, 1, QB_DRAW}}},
      {"Outside Runs", {{O, 6}, {RUN, 2, OPTION}, {E, 2}}},
      {"Quick Game", {{S, 10}}},
      {"Timing Routes", {{M, 10}}},
      {"On the Move", {{PASS, 10, MOVING}}},
      {"Deep", {{L, 2}, {PASS, 2, MOVING}}}},
     {1, 1, 0, 3, 8, 4, 2, 2, 7, 4, 1, 3, 5, 6, 5, 6, 1, 1, 2, 4, 1, 0},
     {7, 2, 3, 0, 7, 6, 1, 6, 0, 2},
     0, 0, 4},

    {"Pistol",
     "The pistol sets the back behind the quarterback: downhill runs with play action and an occasional read option.",
     0,
     {{"Inside Runs", {{I, 8}, {D, 2}}},
      {"Outside Runs", {{O, 8}, {RUN, 2, OPTION}}},
      {"Short Passes", {{S, 10}}},
      {"Play Action", {{PASS, 10, 0, PA}}},
      {"Medium & Long", {{M, 5}, {L, 5}}},
      {"Trick/Special", {{PASS, 2, BOOTLEG}, {E, 2}}}},
     {0, 0, 0, 1, 2, 0, 1, 2, 3, 0, 0, 0, 1, 0, 0, 0, 0, 1, 9, 3, 0, 0},
     {8, 3, 2, 0, 1, 3, 2, 2, 0, 5},
     4, 2, 2},

    {"Pistol Scramble",
     "Pistol runs with a mobile quarterback: read options, bootlegs and rollouts that let him run.",
     0,
     {{"Inside Runs", {{I, 7}, {D, 2}, {D, 1, QB_DRAW}}},
      {"Outside Runs", {{O, 6}, {RUN, 4, OPTION}}},
      {"Short Passes", {{S, 10}}},
      {"On the Move", {{PASS, 10, MOVING}}},
      {"Medium & Long", {{M, 5}, {L, 5}}},
      {"Play Action", {{PASS, 4, 0, PA}}}},
     {0, 0, 0, 1, 2, 0, 1, 2, 3, 0, 0, 0, 1, 0, 0, 0, 0, 1, 9, 3, 0, 0},
     {7, 5, 4, 0, 7, 7, 2, 2, 0, 3},
     3, 1, 2},

    {"Pocket Passer",
     "A drop-back passing game from the shotgun: protected pockets and the whole route tree; the quarterback does not run.",
     0,
     {{"Inside Runs", {{I, 7}, {D, 3}}},
      {"Outside Runs & Screens", {{O, 6}, {S, 4}}},
      {"Short Passes", {{S, 10}}},
      {"Medium Passes", {{M, 10}}},
      {"Long Passes", {{L, 10}}},
      {"Max Protect", {{PASS, 4, MAX}}}},
     {0, 0, 0, 2, 5, 3, 0, 0, 9, 6, 2, 6, 6, 3, 0, 3, 1, 0, 0, 5, 0, 0},
     {8, 0, 0, 0, 0, 0, 4, 4, 6, 2},
     0, 0, 2},

    {"Vertical Passing",
     "Four and five receivers stretch the field deep: go routes, posts and double moves behind a protected pocket.",
     0,
     {{"Inside Runs", {{I, 6}, {D, 3}, {O, 1}}},
      {"Outside Runs & Screens", {{O, 5}, {E, 1}, {S, 4}}},
      {"Intermediate", {{S, 1}, {M, 5}, {L, 4}}},
      {"Deep Shots", {{L, 10}}},
      {"Double Moves", {{L, 10, DEEP}}},
      {"Max Protect", {{L, 4, MAX}}}},
     {0, 0, 0, 1, 4, 7, 0, 0, 6, 8, 5, 3, 5, 3, 0, 0, 5, 0, 0, 0, 0, 0},
     {7, 0, 0, 0, 0, 0, 9, 1, 5, 3},
     2, 0, 0},

    {"Old School",
     "Football before the shotgun: the full-house backfield runs the ball and the passing game throws deep off play action.",
     0,
     {{"Inside Runs", {{I, 8}, {D, 2}}},
      {"Fullback Runs", {{RUN, 10, FULLBACK}}},
      {"Outside Runs", {{O, 8}, {E, 2}}},
      {"Play Action", {{PASS, 10, 0, PA}}},
      {"Passes", {{S, 3}, {M, 3}, {L, 4}}},
      {"Goal Line", {{I, 4}}}},
     {6, 5, 9, 6, 0, 0, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0},
     {8, 0, 0, 6, 1, 3, 5, 0, 2, 6},
     5, 6, 0},

    {"Featured FB",
     "The fullback is the workhorse: dives, blasts and off-tackle runs behind a lead blocker, and play action off them.",
     0,
     {{"Fullback Runs", {{RUN, 10, FULLBACK}}},
      {"Inside Runs", {{RUN, 4, FULLBACK}, {I, 4}, {D, 2}}},
      {"Outside Runs", {{O, 9}, {E, 1}}},
      {"Play Action", {{PASS, 10, 0, PA}}},
      {"Passes", {{S, 4}, {M, 4}, {L, 2}}},
      {"Trick/Special", {{PASS, 2, BOOTLEG}, {L, 2}}}},
     {7, 7, 5, 9, 2, 0, 1, 3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0},
     {7, 0, 0, 9, 0, 2, 3, 1, 0, 5},
     4, 5, 0},
};
// clang-format on

const int Offensive_Book_Design_Count = sizeof Offensive_Book_Designs / sizeof Offensive_Book_Designs[0];

const BOOK_ALIAS Offensive_Book_Aliases[] = {{"Running-QB", "Running QB"}};
const int Offensive_Book_Alias_Count = sizeof Offensive_Book_Aliases / sizeof Offensive_Book_Aliases[0];
