#pragma once
// Pieces of the statistics read path shared by its source files.
#include <cstdint>

// Computed codes 100-430 without the memo; the dispatch of Get_Player_Stat.
int32_t Compute_Player_Stat_Code(int32_t team, int32_t slot, int32_t season, int32_t code);
// Estimates 200-233. `direct` is set when the value skips the scouting error,
// the clamp and the memo.
int32_t Estimate_Rating_From_Stats(int32_t team, int32_t slot, int32_t season, int32_t code, bool* direct);
// Grades 420-430.
int32_t Compute_Player_Grade(int32_t team, int32_t slot, int32_t season, int32_t code);
