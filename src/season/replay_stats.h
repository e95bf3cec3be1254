#pragma once
// Replay mode: each season is played with players rated from what they really
// did that year, read from the seasons statistics file.
#include <cstdint>

// Loads the real season of the current year into every player's predicted
// season (after blending it with a little of the old prediction to derive his
// ratings) and clears the this-season statistics for play. Without the
// seasons file, or when it gives no player of the league a figure of the
// current season's year (no line of the year, or none that names a player of
// the league and his team), nothing changes beyond one "Read Error" notice.
// Returns 1 when the season's statistics were loaded, 0 when there were none
// to load.
int32_t Load_Replay_Season_Stats();
