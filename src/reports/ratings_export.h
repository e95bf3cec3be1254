#pragma once
// The ratings export: one comma-separated line per player with his ratings,
// in "Output/Ratings/<year>_Player_Ratings.csv".
#include <cstdint>

// Every position.
constexpr int32_t RATINGS_ALL_POSITIONS = 15;

// Writes the file for `year` with the players of `position` (15: all);
// returns the lines written.
int32_t Export_Player_Ratings_CSV(int32_t position, int32_t year);
// Advanced Tools' "Export Player Ratings".
void Export_Player_Ratings_Command();
