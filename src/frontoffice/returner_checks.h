#pragma once
// Keeping a team's kick and punt returners valid before a game.
#include <cstdint>

// Chooses a new returner wherever the stored slot is empty or out of range.
void Check_Team_Returners(int32_t team);
