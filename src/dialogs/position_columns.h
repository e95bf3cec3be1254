#pragma once
// The ratings each position shows in its rating columns (the player card, the
// player lists, the contract talks).
#include <cstdint>

constexpr int32_t POSITION_COLUMNS = 10;

// Rating index shown in `column` (0-9) for a position 0-14; -1 for an empty
// column, a column of 10 or more, or a position outside 0-14.
int32_t Get_Position_Column_Stat(int32_t position, int32_t column);
