#pragma once
// Money figures of the salary model: inflation, minimum salaries and the cap.
#include <cstdint>

int32_t Get_Base_Cash();
int32_t Apply_Inflation(int32_t amount);
// League minimum salary in thousands for a player with `years` credited seasons.
int32_t Get_League_Minimum_Salary(int32_t years);
int32_t Get_Player_Minimum_Salary(int32_t team, int32_t slot);
int32_t Scale_To_Base_Cap(int32_t amount);
