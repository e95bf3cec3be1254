#pragma once
// An offensive lineman's predicted sacks allowed and the running game behind
// him, derived from his blocking grades.
#include <cstdint>

// Predicted statistics 4, 7 and 8 from the pass-blocking grade (6) and the
// run-blocking grade (5).
void Set_Offensive_Line_Stats(int32_t team, int32_t slot);
// Set_Offensive_Line_Stats for every used player of team slots 0-40 who is
// a tackle, guard or center (expanded positions translated).
void Fill_Offensive_Line_Stats();
