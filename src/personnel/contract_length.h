#pragma once
// How many years a player wants his next contract to run.
#include <cstdint>

// 0 for an empty slot, 4 for a draft-pool player; otherwise 2..7 years from his
// value, fewer past his position's peak age, and as few as 1 for a free agent
// still unsigned during the season.
int32_t Get_Desired_Contract_Length(int32_t team, int32_t slot);
