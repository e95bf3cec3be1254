#pragma once
// Keeping every position of a computer-run roster staffed.
#include <cstdint>

// A player created to fill a roster gap is a free agent's level: weakness
// 1, an evaluation of 59 at most.
constexpr float REPLACEMENT_PLAYER_WEAKNESS = 1.0f;

// Fewest players of a position 0-14 a roster keeps (0 for other codes).
int32_t Get_Position_Roster_Minimum(int32_t position);
// Brings each position of a computer-run team up to its minimum of available
// players, from the free agents or with new players. Returns 1 when nothing
// was missing, 0 when players were added or the team is not handled
// (human-run, or Commissioner Mode).
int32_t Fill_Roster_Minimums(int32_t team);
// Pool slot of the available free agent of a position in the highest pool
// slot, -1 when none.
int32_t Find_Available_Free_Agent(int32_t position);
