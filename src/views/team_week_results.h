#pragma once
// A team's results counted over its schedule entries: each entry's game index
// leads to its game record; a bye or an unfinished game counts nothing.
#include <cstdint>

// Games won, lost or tied in the team's first n weeks (0 when n < 1).
int32_t Count_Team_Wins(int32_t team, int32_t n);
int32_t Count_Team_Losses(int32_t team, int32_t n);
int32_t Count_Team_Ties(int32_t team, int32_t n);
// The same over the playoff weeks (from the season's length to week 21).
int32_t Count_Team_Playoff_Wins(int32_t team);
int32_t Count_Team_Playoff_Losses(int32_t team);
// Regular-season games won, lost or tied at home (the home team is byte 1 of the record).
int32_t Count_Team_Home_Wins(int32_t team);
int32_t Count_Team_Home_Losses(int32_t team);
int32_t Count_Team_Home_Ties(int32_t team);
