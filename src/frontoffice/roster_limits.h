#pragma once
// Keeping rosters within the league's size limit: the computer general
// managers keep the last three roster slots free and cut only rosters of 52
// players or more.
#include <cstdint>

#include "database/roster_queries.h"

// Rosters at or above this size are over the limit for the cutting rules.
constexpr int32_t ROSTER_CUT_SIZE = 52;
// A roster is cut down until its last three slots are free.
constexpr int32_t ROSTER_ROOM_LIMIT = 97;

// With 52 or more players, the team's surplus player is released (a
// franchise) or retired (the pools) and the result is 1; else 0, also when
// the free-agent pool may take nobody in. While a fantasy draft runs only a
// player nobody drafted is cut.
int32_t Cut_One_Player_If_Over_Limit(int32_t team);
// The same cut, choosing only among the players `eligible` takes (every
// player when it is null); 0 when the team holds none of them.
int32_t Cut_One_Eligible_Player_If_Over_Limit(int32_t team, PLAYER_FILTER eligible);
// Cuts a computer-run team's roster down to 97 players (nothing for a
// human-run team; never below 52).
void Cut_Roster_To_Limit(int32_t team);
