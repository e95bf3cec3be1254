#pragma once
// Upkeep of the free-agent pool (team 36): its order and its stock.
#include <cstdint>

// Sorts the pool's players (the slots below its first empty slot) by the
// list sort mode (Player_Sort_Mode), highest key first, equal keys keeping
// their order: 0 salary, 2 the shown overall rating (predicted statistic
// 225), any other mode by position (QB first) and salary within a position.
// Then tops the pool up (Replenish_Free_Agents).
void Sort_Free_Agents();
// The sort key of a free agent under a list sort mode.
int64_t Get_Free_Agent_Sort_Key(int32_t slot, int32_t mode);
// Tops the free-agent pool up to each position's roster minimum with new
// players, letting the pool's surplus players go while it is nearly full.
void Replenish_Free_Agents();
