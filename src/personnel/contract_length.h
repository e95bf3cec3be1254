#pragma once
// How long a player wants to sign for, and the age at which each position peaks.
#include <cstdint>

// Age of peak ability of a position (clamped to 0..14); quarterbacks peak
// later in later eras.
int32_t Get_Position_Peak_Age(int32_t position);
// Contract years (at most 7) the player asks for: longer for better players,
// shorter past his position's peak; 0 for an empty slot, 4 for a draft-pool
// player.
int32_t Get_Desired_Contract_Length(int32_t team, int32_t slot);
