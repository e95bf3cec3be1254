#pragma once
// A player's yearly step: ratings that grow while he is young and decline once
// he is past his position's peak, his credited seasons and his contract.
#include <cstdint>

// Vital stats of the development fields, set when a player is created.
constexpr int32_t VITAL_DECLINE_DIVISOR = 19;
constexpr int32_t VITAL_GROWTH_RATE = 20;
constexpr int32_t VITAL_LAST_GROWTH_AGE = 21;
constexpr int32_t VITAL_FIRST_DECLINE_AGE = 22;
constexpr int32_t VITAL_GENERATED_PLAYER = 24;

// The year's development before scaling: growth while younger than vital 21,
// decline once older than vital 22, 0 between; with `yearly` two draws add
// chance to it.
float Get_Development_Amount(int32_t team, int32_t slot, int32_t yearly);
// One year of rating change. Without `yearly` it takes no draws (the
// projection of a player's peak).
void Develop_Player(int32_t team, int32_t slot, int32_t yearly);
// Develop_Player without chance for every player of the franchises in use, the
// free agents and the draft pools.
void Develop_All_Players();
// The ratings `years` steps without chance would leave, worked out on a copy
// in `ratings` (NUMBER_OF_PLAYER_RATINGS values) with nothing written or drawn.
// False when a step would read a rating the accessors repair, write one they
// report, or redraw a damaged growth rate: those steps belong on the record.
bool Project_Development(int32_t team, int32_t slot, int32_t years, float* ratings);
// The off-season step of one player: development, credited seasons, contract
// years; a player of teams 36..40 may retire. 1 when he stays, 0 when he left.
int32_t Advance_Player_Year(int32_t team, int32_t slot);
