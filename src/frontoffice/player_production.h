#pragma once
// The worth of what a player produced in one season kind (0 this season, 1
// last season, 2 career, 3 predicted).
#include <cstdint>

// 0 or more; 0 for an empty slot.
int32_t Get_Player_Production_Value(int32_t team, int32_t slot, int32_t season);
// The passer rating (tenths) of the league's average quarterback of the year.
int32_t Get_League_Passer_Rating();
