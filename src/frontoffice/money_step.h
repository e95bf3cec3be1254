#pragma once
// The step of money amounts: spin buttons and automatic prices move by it,
// and the salary cap is rounded to a thousand times the step of the
// inflation factor.
#include <cstdint>

// 200 above 1500, 100 above 750, 50 above 375, 25 above 150, 10 above 75,
// 5 above 35, 2 from 16, else 1.
int32_t Get_Money_Step(int32_t amount);
