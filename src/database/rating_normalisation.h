#pragma once
// The league's rating scale: the baseline (target league mean) of every stored
// rating.
#include <cstdint>

float Get_Rating_Baseline(int32_t rating);
