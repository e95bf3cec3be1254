#pragma once
// The arithmetic of the pass-outcome matchup, apart from the game: every input
// the weights need, the five weights, and the draw that picks an outcome.
#include <cstdint>

struct PASS_OUTCOME_INPUTS {
    float coverage;          // coverage matchup C1, redundancy included
    float rush;              // pass-rush matchup R1, redundancy included
    float weather;           // kick factor of the game
    float pass_share;        // game pass-share factor of the offence
    float completion_norm;   // historical completion rate (fraction)
    float interception_norm; // historical interception rate (fraction)
    float yards_per_completion_norm;
    float league_completion_rate; // this season's, as a fraction
    float league_yards_per_completion;
    int32_t week;
    int32_t down;
    int32_t yards_to_goal;
    int32_t primary;
    float catch_depth;
    float end_depth;
    bool passer_is_quarterback;
    float accuracy, control, distance, passer_red_zone, mobility;
    float speed, power, receiver_red_zone, quickness, receiving, hands;
    float coverage_unit, interception_unit, offensive_skill, sack_unit, pass_blocking;
    bool replay_mode;
    float replay_factor;
};

// Weights of outcomes 0 (incomplete), 1 (complete), 2 (intercepted),
// 3 (sacked) and 4 (defended), never negative.
struct PASS_OUTCOME_WEIGHTS {
    float incomplete, complete, intercepted, sacked, defended;
};

PASS_OUTCOME_WEIGHTS Compute_Pass_Outcome_Weights(const PASS_OUTCOME_INPUTS& in);
// Outcome 0..4 for the uniform fraction u of one draw.
int32_t Pick_Pass_Outcome(const PASS_OUTCOME_WEIGHTS& w, double u);
