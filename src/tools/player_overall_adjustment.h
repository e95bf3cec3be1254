#pragma once
// Giving a player a wanted projected peak by his growth rate.
#include <cstdint>

// Steps vital 20 by 2 (at most 200 steps) until the player's potential,
// truncated, equals `target`; a player who would not grow any more is first
// given growing years up to two beyond his age (at least 25).
void Adjust_Player_To_Overall(int32_t team, int32_t slot, int32_t target);
