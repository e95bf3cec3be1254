#pragma once
// Keeping every position of a roster staffed.
#include <cstdint>

// Healthy players a team needs at a position 0-14 (0 for other codes).
int32_t Get_Position_Roster_Minimum(int32_t position);
// Brings every position of the team up to its minimum of healthy players by
// creating players in empty roster slots; stops when the roster is full.
void Fill_Roster_Minimums(int32_t team);
