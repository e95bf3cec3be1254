#pragma once
// What a player is worth to a team.
#include <cstdint>

// The player's value as a whole number (his evaluation at his own position);
// 0 for an empty slot.
int32_t Get_Player_Value(int32_t team, int32_t slot);
