#pragma once
// Toning down young players whose present rating is out of line with their
// experience, run whenever a new game starts.
#include <cstdint>

// The highest evaluation a player under 25 may show with `credited_seasons`
// seasons behind him: (seasons + 13) x 6.
int32_t Get_Young_Player_Rating_Ceiling(int32_t credited_seasons);
// Every player under 25 of the active franchises and the free agents whose
// evaluation is above his ceiling is rescaled to it, keeping his projected
// peak as it was.
void Adjust_Young_Player_Ratings();
