#pragma once
// Automatic depth charts of the computer general managers. A team's depth
// follows roster slot order within each position, so setting a depth chart
// means ordering the slots of a roster section.
#include <cstdint>

// Orders the players of one unit (0 offence, 1 defence, 2 special teams) by
// position and then by their value at that position, best first, within the
// slots the unit already holds.
void Sort_Roster_Section(int32_t team, int32_t unit);
// Automatic depth chart of one unit of a team.
void Auto_Set_Depth_Chart(int32_t team, int32_t unit, int32_t mode);
// Sets the depth charts of every active team.
void Auto_Set_All_Depth_Charts();
