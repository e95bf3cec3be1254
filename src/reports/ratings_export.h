#pragma once
// The ratings export: one comma-separated line per player of the league with
// his ratings, in "Output/Ratings/<year>_Player_Ratings.csv" (column 1 the
// player's id, 7-31 the ratings Accuracy to Punt Power and 32 Durability).
#include <cstdint>

// Every position (the Sortable Stats dialog's "any position").
constexpr int32_t RATINGS_ALL_POSITIONS = 15;

// Writes the file for `year` with the players of `position` (15: all);
// returns the lines written. The file is not written yet: 0.
int32_t Export_Player_Ratings_CSV(int32_t position, int32_t year);
