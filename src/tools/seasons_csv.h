#pragma once
// The seasons statistics file "input/stats/seasons.csv": one line per player,
// season and team. Replay mode reads the lines of the current season year
// into the players' this-season statistics.
#include <cstdint>

constexpr const char* SEASONS_CSV_NAME = "input/stats/seasons.csv";

// 1 when the seasons file can be opened; otherwise tells the user once
// ("Read Error") and returns 0.
int32_t Check_Seasons_CSV();
// Reads the file in its replay form (flag 1); 1 when it was read, 0 when it
// could not be opened.
int32_t Load_Seasons_CSV(int32_t replay);
