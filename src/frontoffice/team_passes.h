#pragma once
// The per-team roster pass the computer general managers run after rosters
// change (cuts, depth charts, returners, roster order) and the league pass
// over the computer-run teams.
#include <cstdint>

// Lets players go from slots 97-99 while the team holds 52 or more, so the
// last three slots stay free; human-run teams are left alone.
void Cut_Roster_To_Limit(int32_t team);
// Both returners of the team.
void Choose_Team_Returners(int32_t team);
// Orders the three units of the roster.
void Sort_Team_Roster(int32_t team);
// Cuts, depth charts of the three units, returners, roster order and packing
// of an active franchise.
void Auto_Set_Team_Depth_Chart(int32_t team);
// The team pass for every computer-run team (nothing in Commissioner Mode),
// then the pools are packed.
void Auto_Set_Computer_Depth_Charts(int32_t keep_injured);
