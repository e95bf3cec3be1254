#pragma once
// Money yardsticks of the finance model: inflation, the base cash level and the
// defaults of a team's market and payroll rates.
#include <cstdint>

int32_t Apply_Inflation(int32_t amount);
int32_t Get_Base_Cash();
int32_t Get_Team_Market_Default(int32_t team);
int32_t Get_Team_Payroll_Per_Game(int32_t team);
