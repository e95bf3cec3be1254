#pragma once
// Choosing kick and punt returners.
#include <cstdint>

// Picks the team's best eligible kick (n = 0) or punt (n = 1) returner, stores
// it as the team's returner n and returns its slot (NO_PLAYER when none).
int32_t Choose_Best_Returner(int32_t team, int32_t n);
