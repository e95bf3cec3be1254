#pragma once
// How many players a roster wants at each position.
#include <cstdint>

int32_t Get_Position_Roster_Target(int32_t position);
