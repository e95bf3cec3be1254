#pragma once
// A player's leaving the game.
#include <cstdint>

// Retires the player: he leaves his team, whose later players move up a slot.
void Retire_Player(int32_t team, int32_t slot);
