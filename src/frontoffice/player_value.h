#pragma once
// What a player is worth to the league, and how well he fits a position.
#include <cstdint>

// Ratings now and at his peak blended with last season's production, falling
// to 0 twelve years past his position's peak age; 0 for an empty slot.
int32_t Get_Player_Value(int32_t team, int32_t slot);
// Fitness of the player at a position 0-14, or as a returner (15), higher is
// better; 0 for an empty slot.
int32_t Get_Player_Fitness_At_Position(int32_t team, int32_t slot, int32_t position, int32_t flag);
