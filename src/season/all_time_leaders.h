#pragma once
// The league's all-time leader lists.
#include <cstdint>

// Rebuilds one kind of all-time leader list from every team.
void Update_All_Time_Leaders(int32_t kind);
