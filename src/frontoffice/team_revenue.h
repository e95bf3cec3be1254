#pragma once
// A team's market and the price level its fans pay, inputs of the attendance.
#include <cstdint>

// Market points from the home city's and region's population.
int32_t Get_Team_Market_Size(int32_t team);
// Price level in cents, at least 1.
int32_t Estimate_Team_Revenue(int32_t team);
