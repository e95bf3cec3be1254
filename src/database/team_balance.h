#pragma once
// The offensive balance levels and defensive systems that steer the computer's
// play calling, computed from the rosters.
#include <cstdint>

// Raw balance score: positive when the passing game outweighs the running game
// by more than a fixed offset.
int32_t Get_Team_Offensive_Balance(int32_t team);
void Update_Team_Strength_Levels();
void Reset_Team_Strength_Levels();
void Choose_Team_Defensive_System(int32_t team);
void Assign_Historic_Defensive_Systems();
void Assign_Historic_Systems_And_Reset_Levels();
