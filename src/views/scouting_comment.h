#pragma once
// The scout's sentence about a player, shown on the Scouting Report.
#include <cstdint>

constexpr int32_t SCOUTING_COMMENT_SIZE = 2048;

// Writes the scout's comment on the player into `out` (SCOUTING_COMMENT_SIZE
// bytes), its tokens already substituted.
void Write_Scouting_Comment(int32_t team, int32_t slot, char* out);
