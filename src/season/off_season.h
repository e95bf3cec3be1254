#pragma once
// The step of the calendar from the end of a season into the off-season.
#include <cstdint>

// Runs once the champion is decided: the season's statistics roll over, the
// season index moves on, the week becomes 100 and the college draft starts
// (at once, or later from the Play menu). Always 0.
int32_t Start_Off_Season();
