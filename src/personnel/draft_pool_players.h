#pragma once
// The college draft pool read as one list: the used slots of team 38 from
// slot 0 up to its first empty slot, then those of team 39, then team 40.
// A player behind an empty slot is not in the list.
#include <cstdint>

// Writes the team and slot of pool player `index` and returns 1; an index
// outside the pool returns 0 and writes nothing.
int32_t Get_Draft_Pool_Player(int32_t index, int32_t* team, int32_t* slot);
// 1 when (team, slot) is a player of the list.
int32_t Is_Draft_Pool_Place(int32_t team, int32_t slot);
// Players of the list whose position (vital 1) is `position`.
int32_t Count_Draft_Pool_Position_Players(int32_t position);
