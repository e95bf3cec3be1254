#pragma once
// The worth of a rating level on the standard cap scale.
#include <cstdint>

// Worth of the rating `rating` for the player's position (a guard at 70.0 is
// worth 681); an empty slot gives the unfactored worth.
int32_t Get_Rating_Value(int32_t team, int32_t slot, float rating);
// What a running back's worth keeps in the calendar year, in fiftieths: 50
// before 1996, 30 in 1996, one more each year to 50 again from 2015.
int32_t Get_Running_Back_Year_Factor(int32_t year);
// The rating whose worth for the player is `value`: the inverse of
// Get_Rating_Value (a worth of 0 or less gives 50.0, the highest rating
// worth nothing).
float Get_Rating_From_Value(int32_t team, int32_t slot, int32_t value);
// The worth of the whole part of his evaluation at his position (new ratings
// first when it is below 25.0).
int32_t Get_Evaluation_Rating_Value(int32_t team, int32_t slot);
// The worth of his potential, at least 0.
int32_t Get_Potential_Rating_Value(int32_t team, int32_t slot);
