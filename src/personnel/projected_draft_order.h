#pragma once
// The draft order as the season stands, for the values of future picks.
#include <cstdint>

// Refills Draft_Order from the current season's finish codes and league
// ranks: the weakest team picks first.
void Set_Projected_Draft_Order();
// The team's index in the current Draft_Order; the active team count when it
// is not in it.
int32_t Get_Team_Draft_Position(int32_t team);
