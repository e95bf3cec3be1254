#pragma once
// Season-end standing of a franchise with its fans: fan loyalty moves toward
// what the season's wins, playoff wins and finish earned, and the finish code
// of the season is worked out from the division place and the playoff run.
#include <cstdint>

// Blends a quarter of the season's support into fan loyalty, kept in 700..1300.
void Update_Team_Fan_Support(int32_t team);
// Stores the team's division place (yearly char 1) and returns its finish
// code: 8 champion, 7 losing finalist, 6 loser of a conference final, then
// for a team out earlier or not in the playoffs 5 division winner, 4 other
// playoff team, 3, 2, 1 for division places 1-3 and 0 below. Once the season
// is settled (the off-season has recorded it and turns the league over, or
// has moved the index on) the standings are the coming season's: the code
// the season's history holds is returned and nothing is stored.
int32_t Record_Team_Division_Finish(int32_t team);
// The team's division place in that season: the standings' while the season
// is open, its history's once settled; negative when it has none.
int32_t Get_Team_Season_Division_Place(int32_t team);
// Season index whose history the season-end steps write: the season just
// ended (the index before the off-season moved it on).
int32_t Get_Finished_Season_Index();
// True once that season is history, its finish recorded: the off-season is
// turning the league over to the coming year (SETTLED_SEASON_SCOPE) or has
// moved the season index on past it.
bool Is_Finished_Season_Settled();
// Fan loyalty one point up (or down) while it stays within 700..1300: a
// loyalty already at or beyond that bound is left as it is.
void Raise_Fan_Loyalty(int32_t team);
void Lower_Fan_Loyalty(int32_t team);
