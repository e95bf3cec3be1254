#pragma once
// Replay mode: each season is played from the real season's statistics.

// Loads the real season's statistics of the current year into the players'
// this-season lines.
void Load_Replay_Season_Stats();
