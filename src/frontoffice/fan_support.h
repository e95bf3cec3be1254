#pragma once
// Season-end standing of a franchise with its fans: fan loyalty moves toward
// what the season's wins, playoff wins and finish earned, and the finish code
// of the season is worked out from the division place and the playoff run.
#include <cstdint>

// Blends a quarter of the season's support into fan loyalty, kept in 700..1300.
void Update_Team_Fan_Support(int32_t team);
// Stores the team's division place (yearly char 1) and returns its finish
// code: 8 champion, 7 finalist, 6 other playoff round, 5 division winner,
// 4 first playoff slot, then 3, 2, 1 for division places 1-3 and 0 below.
int32_t Record_Team_Division_Finish(int32_t team);
// Season index whose history the season-end steps write: the season just
// ended (the index before the off-season moved it on).
int32_t Get_Finished_Season_Index();
// Fan loyalty one point up (or down) while it stays within 700..1300: a
// loyalty already at or beyond that bound is left as it is.
void Raise_Fan_Loyalty(int32_t team);
void Lower_Fan_Loyalty(int32_t team);
