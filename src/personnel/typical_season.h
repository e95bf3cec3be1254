#pragma once
// A player's typical season (the predicted season, in-record season 3) from
// his ratings.
#include <cstdint>

// 16 games and 16 starts and the position's counting statistics; a lineman
// gets only the games, and statistics a position does not name keep their values.
void Calculate_Typical_Season_From_Ratings(int32_t team, int32_t slot);
