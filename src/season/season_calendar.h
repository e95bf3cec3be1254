#pragma once
// Calendar queries of the season cycle that the league database relies on.
#include <cstdint>

// Weekday 0 (Monday) to 6 (Sunday) of a day number; 6 for a day below 1.
int32_t Get_Weekday(int32_t day);
// Regular-season progress in per mille, at most 1000; 0 when the season length is 0.
int32_t Get_Season_Progress();
// True once the post-season's last bracket slot holds a team: slot 30 with a
// championship round between two conferences, else slot 28.
bool Is_Champion_Decided();
// Field 0-4 (two team slots, day number, kickoff hhmm, day code) of game 0-15 of
// week 0-16 of the reference 17-week season; -128 for indices out of range.
int32_t Get_2017_NFL_Schedule_Opponent(int32_t week, int32_t game, int32_t field);
