#pragma once
// A player's career achievement as one number (about 75 and more marks a Hall
// of Fame career).
#include <cstdint>

int32_t Get_Player_Career_Score(int32_t team, int32_t slot);
// The career score as the Hall of Fame voters weigh it: 3 more for every
// championship he won.
int32_t Get_Player_Career_Score_With_Rings(int32_t team, int32_t slot);
