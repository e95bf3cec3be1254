#pragma once
// A player's projected overall rating at his peak.
#include <cstdint>

float Get_Player_Potential(int32_t team, int32_t slot);
