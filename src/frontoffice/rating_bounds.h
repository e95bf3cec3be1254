#pragma once
// Ratings read for the general managers' decisions, kept within the range a
// rating can hold, so a damaged record cannot overflow the arithmetic.
#include <cstdint>

// The rating clamped to -1000..1000; not a number reads as 0.
float Bound_Rating(float rating);
// The bounded rating truncated to an integer.
int32_t Truncate_Rating(float rating);
// Get_Rating_Value of the bounded rating.
int32_t Get_Bounded_Rating_Value(int32_t team, int32_t slot, float rating);
