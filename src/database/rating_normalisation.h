#pragma once
// The league's rating scale: the baseline (target league mean) of every stored
// rating, which positions each rating matters for, and the normalisation that
// brings the league's starters onto the scale.
#include <cstdint>

float Get_Rating_Baseline(int32_t rating);
// Target mean absolute deviation of a rating over the league's starters.
float Get_Rating_Target_Spread(int32_t rating);
// -1 every position, 4 quarterbacks, 0 skill positions, 1 offensive line,
// 2 defence, 3 kickers.
int32_t Get_Rating_Position_Group(int32_t rating);
int32_t Is_Rating_Used_By_Position(int32_t position, int32_t rating);
// The same for all player ratings at once: one flag per rating, all false for
// a position that is none.
const bool* Get_Ratings_Used_By_Position(int32_t position);

void Normalize_Player_Ratings();
void Rebuild_All_Ratings();
void Raise_Skill_Position_Speed();
void Reset_Player_Vital_Stat_6();
