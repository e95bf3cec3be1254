#pragma once
// The value of a team's stadium from its size, build, seating and home market.
#include <cstdint>

// Stadium stats a franchise's stadium is described by.
constexpr int32_t STADIUM_CAPACITY = 0;
constexpr int32_t STADIUM_STRUCTURE = 1;
constexpr int32_t STADIUM_SURFACE = 2;
constexpr int32_t STADIUM_YEAR_BUILT = 3;
constexpr int32_t STADIUM_VALUE = 4;
constexpr int32_t STADIUM_CONVENIENCE = 5;
constexpr int32_t STADIUM_COMFORT = 6;
constexpr int32_t STADIUM_SIGHT_LINES = 7;
// The surface a stadium stores, as the teams files give it ("CARPET" 0, anything else grass).
constexpr int32_t STADIUM_CARPET = 0;
constexpr int32_t STADIUM_GRASS = 1;

// Whole dollars, a multiple of 1,000,000.
int32_t Compute_Stadium_Value(int32_t team);
