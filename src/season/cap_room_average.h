#pragma once
// The league's average cap room, which the salary model weighs demands by.
#include <cstdint>

// Average of financial stat 90 (cap room) over the active teams, in per mille
// of the salary cap, times 1000 / 60, rounded: 1000 for a league 6 % under the
// cap. 0 without a cap or without active teams.
int32_t Get_Average_Finance_Stat_90_Per_Cap();
