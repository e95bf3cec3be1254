#pragma once
// State of the college draft as the rest of the program sees it: whether it
// runs, and its end.
#include <cstdint>

// Draft_Round while no college draft runs.
constexpr int32_t NO_COLLEGE_DRAFT_ROUND = 7;

// Number of players in the college draft pool: for each of teams 38, 39 and
// 40 the used slots from slot 0 up to its first empty slot. 0 = empty pool.
int32_t Count_Draft_Pool_Players();
// 1 while the draft has rounds left and players to pick. Finding the pool
// empty ends the draft: the draft round becomes 7 first, then the user is
// told and the next season is set up. The draft itself ends the moment its
// pool empties, so this finds a running draft without players only in a
// league that came that way (an old file). In any week but the off-season's a
// draft round below 7 is left over from an old file or a new league: it is
// put back to 7 without a message, and no season is set up.
int32_t Is_College_Draft_Running();
// The same test without its side effects, for queries: 1 while the draft
// round is below 7 and the pool holds a player.
int32_t Is_College_Draft_Underway();
// Ends the draft (round 7, pick 0), shows the empty-pool message when
// `pool_empty` is set, and sets up the next season unless the season is
// already being set up (an end noticed during the set-up starts nothing).
void Close_College_Draft(int32_t pool_empty);
