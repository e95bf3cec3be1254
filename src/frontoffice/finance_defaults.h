#pragma once
// Defaults of a team's market and payroll rates, used while the finance model
// has not stored them yet.
#include <cstdint>

// (Per-capita income of the home city + 25,000) x 20, inflated.
int32_t Get_Team_Market_Default(int32_t team);
// The team's salaries (thousands) x 1000 per game of the season.
int32_t Get_Team_Payroll_Per_Game(int32_t team);
