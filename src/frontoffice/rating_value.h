#pragma once
// The worth of a rating level on the standard cap scale.
#include <cstdint>

// Worth of the rating `rating` for the player's position (a guard at 70.0 is
// worth 681); an empty slot gives the unfactored worth.
int32_t Get_Rating_Value(int32_t team, int32_t slot, float rating);
