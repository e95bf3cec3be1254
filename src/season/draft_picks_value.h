#pragma once
// What a team's picks in the coming college draft will cost it.
#include <cstdint>

// The rookie salary plus a quarter of the value of every pick of this year's
// draft that the team owns, at its place in the draft order. The order is
// fixed first, so no order stored earlier decides the answer: once the
// champion is decided (and through the off-season) the coming draft's order,
// during the season the projected one; a running draft keeps its own order,
// and the picks it has made no longer count. It never ends a draft.
int32_t Get_Team_Draft_Picks_Value(int32_t team);
// The same walk over the same picks, summing only each pick's draft value.
int32_t Get_Team_Draft_Picks_Pure_Value(int32_t team);
