#pragma once
// How the scouts see a player's figures.
#include <cstdint>

// The value as the scouts report it for this player.
int32_t Apply_Scouting_Error(int32_t team, int32_t slot, int32_t value);
