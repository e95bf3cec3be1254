#pragma once
// Choosing a team's kick and punt returners.
#include <cstdint>

// Picks the team's best kick (n = 0) or punt (n = 1) returner among its
// running backs, fullbacks, tight ends, receivers, corners and safeties, an
// offensive starter counting three quarters; stores and returns his slot
// (slot 5 when nobody is eligible).
int32_t Choose_Best_Returner(int32_t team, int32_t n);
// Both returners.
void Choose_Team_Returners(int32_t team);
// Chooses again each returner who is no longer an eligible player of the team.
void Check_Team_Returners(int32_t team);
