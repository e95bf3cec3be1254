#pragma once
// State of the college draft as the league database sees it.
#include <cstdint>

// Number of players in the college pools (slots 38-40); 0 = empty pool.
int32_t Count_Draft_Pool_Players();
// 1 while the draft has rounds left and players to pick; an empty pool ends the
// draft (round 7, pick 0) and gives 0.
int32_t Is_College_Draft_Running();
