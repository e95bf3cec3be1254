#pragma once
// The ratings a player read from a roster file starts with.
#include <cstdint>

// Stores the 27 ratings of the position's default row; nothing for a position
// outside 0..14.
void Set_Default_Ratings_By_Position(int32_t team, int32_t slot);
