#pragma once
// Heights and weights of players by position.
#include <cstdint>

// Average weight in pounds of a basic position 0-14; 0 for other codes.
int32_t Get_Position_Average_Weight(int32_t position);
// Average height in inches of a basic position 0-14 in the current calendar
// year; 0 for other codes.
int32_t Get_Position_Average_Height(int32_t position);
// A height drawn around the position's average.
int32_t Get_Random_Player_Height(int32_t position);
// A weight drawn from the player's position and height.
int32_t Get_Random_Player_Weight(int32_t team, int32_t slot);
