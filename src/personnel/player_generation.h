#pragma once
// Creating players and drawing their ratings.
#include <cstdint>

// Creates a player of `position` in an empty slot of a team; `quality` is the
// evaluation aimed at (50-95; other values give 70).
void Create_Player_For_Team(int32_t team, int32_t slot, int32_t position, int32_t quality);
// New ratings 2-26 for the player according to his position.
void Randomize_Player_Ratings(int32_t team, int32_t slot);
// A player id that no player of the league holds.
int32_t Generate_Unique_Player_ID(int32_t team, int32_t slot);
