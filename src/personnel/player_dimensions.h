#pragma once
// Heights and weights of players by position, interpolated by year between
// the bodies of 1971 and of 2006.
#include <cstdint>

// Average weight in pounds of a basic position 0-14 in the current calendar
// year; 0 for other codes. Takes no draw.
int32_t Get_Position_Average_Weight(int32_t position);
// Average height in inches of a basic position 0-14; the tenths of an inch
// become one more inch with that chance in ten (one draw). 0 for other codes.
int32_t Get_Position_Average_Height(int32_t position);
// The average height plus up to six inches either way.
int32_t Get_Random_Player_Height(int32_t position);
// The average weight scaled by the square of his height against the average
// (vitals 1 and 2 set), varied by up to 7 % either way.
int32_t Get_Random_Player_Weight(int32_t team, int32_t slot);
