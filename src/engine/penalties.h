#pragma once
// Flags thrown on a snap: which foul, against whom, and how many yards after
// the half-the-distance rule.
#include <cstdint>

#include "database/game_record_layout.h"

enum PENALTY_CODE : int32_t {
    PENALTY_ENCROACHMENT = 0,
    PENALTY_ILLEGAL_CONTACT = 1,
    PENALTY_DEFENSIVE_HOLDING = 2,
    PENALTY_ROUGHING_THE_PASSER = 3,
    PENALTY_ROUGHING_THE_KICKER = 4,
    PENALTY_DEFENSIVE_UNNECESSARY_ROUGHNESS = 5,
    PENALTY_PASS_INTERFERENCE = 6,
    PENALTY_OFFENSIVE_OFFSIDES = 7,
    PENALTY_FALSE_START = 8,
    PENALTY_ILLEGAL_MOTION = 9,
    PENALTY_OFFENSIVE_PASS_INTERFERENCE = 10,
    PENALTY_OFFENSIVE_HOLDING = 11,
    PENALTY_INTENTIONAL_GROUNDING = 12,
    PENALTY_CLIPPING = 13,
    PENALTY_BLOCK_IN_THE_BACK = 14,
    PENALTY_OFFENSIVE_UNNECESSARY_ROUGHNESS = 15,
};
constexpr int32_t NUMBER_OF_PENALTY_CODES = 16;
// Seconds that must remain in the half for a flag to be possible.
constexpr int32_t PENALTY_MIN_SECONDS_LEFT = 120;

// 1 for the fouls of the defence (codes 0..6).
int32_t Is_Defensive_Penalty(int32_t code);

// Yards a foul is worth after half the distance: a gain is at most half the
// yards to goal (pass interference reaching the goal line gives the 1), a loss
// at most half the way back to the offence's own goal line.
int32_t Apply_Half_The_Distance(int32_t code, int32_t yards, int32_t yards_to_goal);

// Whether the situation allows a flag at all: a run or pass from scrimmage on
// first to third down with at least two minutes left in the half.
int32_t Is_Penalty_Possible(GAME_RECORD* pGame);

// Runs first in every snap's resolution. 1 when a penalty was called: the play
// yards hold the penalty yards (negative for the offence's fouls), the yards to
// go are 0 for an automatic first down and the entry carries result 31.
int Check_For_Penalty(GAME_RECORD* pGame);
