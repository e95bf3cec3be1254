#pragma once
// What a team's picks in the coming college draft will cost it.
#include <cstdint>

// The rookie salary plus a quarter of the value of every pick of this year's
// draft that the team owns, at its place in the draft order the league holds.
// While the draft runs, the picks already made no longer count. A query only:
// it neither rewrites the draft order nor ends a draft.
int32_t Get_Team_Draft_Picks_Value(int32_t team);
