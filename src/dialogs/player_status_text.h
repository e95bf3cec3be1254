#pragma once
// The status a player's name carries in the player lists and trade screens
// while he is out: a holdout, the weeks he misses, or out for the season.
#include <cstdint>

// Appends the player's status to `name` (a buffer of at least
// FORMATTED_TEXT_SIZE bytes that holds his name); nothing while he plays.
void Append_Player_Status_Suffix(char* name, int32_t team, int32_t slot);
