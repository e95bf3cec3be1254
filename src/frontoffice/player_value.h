#pragma once
// What a player is worth to the league.
#include <cstdint>

// Ratings now and at his peak blended with last season's production, falling
// to 0 twelve years past his position's peak age; 0 for an empty slot.
int32_t Get_Player_Value(int32_t team, int32_t slot);
