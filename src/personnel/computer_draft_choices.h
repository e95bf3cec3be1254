#pragma once
// The computer's pick in the college draft: how much a team needs a player at
// each position against the league's mean need and the pool's supply, the
// choice of a pool player by that weight and his grades, and the signing.
#include <cstdint>

// Need of the team at a position in a 0-based round; 1000 is an average need
// (a starter rated 70 and a backup of potential 70). From the fourth round
// on it falls with the players the team already has at the position.
int32_t Get_Team_Position_Draft_Need(int32_t team, int32_t position, int32_t round);
// The active teams' mean need, rounded to the nearest (0 when the sum is 0).
int32_t Get_League_Position_Draft_Need(int32_t position, int32_t round);
// The pool player the team would take in the running round: team and slot,
// or NO_TEAM and NO_PLAYER when no player is worth anything.
void Choose_Draft_Pool_Player(int32_t team, int32_t* pool_team, int32_t* pool_slot);
// The whole computer pick of the team on the clock: the choice, room on a
// full roster in the first four rounds, rookie terms paid from the team's
// cash, and the pick itself. A team without a choice or without room takes
// nobody.
void Make_Computer_Draft_Pick(int32_t team);
// Tells the user of a computer team's pick and offers the player's scouting
// report (Yes); returns the box's answer (Cancel: ignore computer picks).
int32_t Announce_Computer_Draft_Pick(int32_t team, int32_t pool_team, int32_t pool_slot);
