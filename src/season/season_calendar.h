#pragma once
// Calendar queries of the season cycle that the league database relies on.
#include <cstdint>

// Weekday 0 (Monday) to 6 (Sunday) of a day number; 6 for a day below 1.
int32_t Get_Weekday(int32_t day);
// Regular-season progress in per mille, at most 1000; 0 when the season length is 0.
int32_t Get_Season_Progress();
int32_t Get_Season_Length();
// Days of the months before month m (0 January), in a year of 365 days.
int32_t Get_Days_Before_Month(int32_t month);
// 0 early in the season (progress below 150), 1 in its middle, 2 late (850 on).
int32_t Get_Season_Phase();
// The team's opponent of the latest week up to `week` in which it met an
// active team; -128 when none.
int32_t Get_Previous_Opponent(int32_t team, int32_t week);
// True once the post-season's last bracket slot holds a team: slot 30 with a
// championship round between two conferences, else slot 28.
bool Is_Champion_Decided();
