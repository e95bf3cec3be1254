#pragma once
// Replay mode: each season is played with players rated from what they really
// did that year, read from the seasons statistics file.

// Loads the real season of the current year into every player's predicted
// season (after blending it with a little of the old prediction to derive his
// ratings) and clears the this-season statistics for play. Without the
// seasons file nothing changes beyond the one "Read Error" notice.
void Load_Replay_Season_Stats();
