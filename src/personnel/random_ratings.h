#pragma once
// Fresh ratings for a player, drawn around his position's profile and the
// league's talent level for that position.
#include <cstdint>

// Overwrites all 27 ratings of the player. Draws are taken in a fixed order
// so a seeded generator gives the same players.
void Randomize_Player_Ratings(int32_t team, int32_t slot);
