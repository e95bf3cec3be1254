#pragma once
// Ratings rebuilt from a player's statistics.
#include <cstdint>

float Get_Rating_From_Stats(int32_t team, int32_t slot, int32_t rating);
