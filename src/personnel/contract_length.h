#pragma once
// How long a player wants to sign for, and the age at which each position peaks.
#include <cstdint>

// Age of peak ability of a position (clamped to 0..14); a quarterback's peak
// rises by a year every 20 seasons after 1950.
int32_t Get_Position_Peak_Age(int32_t position);
// 0 for an empty slot, 4 for a draft-pool player; otherwise 2..7 years from his
// value, fewer past his position's peak age, and as few as 1 for a free agent
// still unsigned during the season.
int32_t Get_Desired_Contract_Length(int32_t team, int32_t slot);
