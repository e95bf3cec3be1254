#pragma once
// How good a player is at a position, on the ratings' scale, squeezed so that
// most players land between 70 and 90.
#include <cstdint>

float Get_Player_Position_Rating(int32_t team, int32_t slot, int32_t position);
// Halves the distance above 90 and then below 70.
float Squeeze_Position_Rating(float value);
