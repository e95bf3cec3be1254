#pragma once
// Automatic depth charts. A team's depth chart is the order of its roster
// slots: sorted by unit (offence, defence, special teams), each unit's first
// 11, 11 and 2 slots are its starters in the order of the unit's starter
// positions, and the backups follow by position and fitness.
#include <cstdint>

// Groups the roster by unit, keeping the order within each unit.
void Sort_Roster_By_Position(int32_t team);
// Chooses the starters of one unit (0 offence, 1 defence, 2 special teams).
void Auto_Set_Depth_Chart(int32_t team, int32_t unit, int32_t keep_injured);
// Orders one unit's backups by position (quarterbacks first) and fitness.
void Sort_Roster_Section(int32_t team, int32_t unit);
// Sort_Roster_Section for the three units.
void Sort_Team_Roster(int32_t team);
// The whole per-team pass of a franchise: roster cut to its limit, the three
// units' starters, returners, backups, and the roster closed up.
void Auto_Set_Team_Depth_Chart(int32_t team);
// The per-team pass for every computer-run team (nothing in Commissioner Mode),
// then the pools closed up.
void Auto_Set_Computer_Depth_Charts(int32_t keep_injured);
// The per-team pass for every active team, in five interleaved passes that
// each step the progress window.
void Auto_Set_All_Depth_Charts(int32_t keep_injured);
