#pragma once
// A player's career achievement as one number (about 75 and more marks a Hall
// of Fame career).
#include <cstdint>

int32_t Get_Player_Career_Score(int32_t team, int32_t slot);
