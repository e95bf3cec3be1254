#pragma once
// Keeping rosters within the league's size limit.
#include <cstdint>

// When the team holds 52 or more players, lets one go (the pools lose their
// least valuable player) and returns 1; else 0.
int32_t Cut_One_Player_If_Over_Limit(int32_t team);
