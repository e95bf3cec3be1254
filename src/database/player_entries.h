#pragma once
// A player's entry taken whole: his place as a (team, slot) pair, his short
// names, the six 16-bit counters of his record, and moving him to the end of
// his roster or erasing him.
#include <cstdint>

#include "database/player_hashes.h"

constexpr int32_t NUMBER_OF_PLAYER_EXTRA_VALUES = 6;

// Counter 0..5 of the record; any other index or address is reported and
// reads 0 (a write is dropped). A write is held to the 16-bit range.
int32_t Get_Player_Extra_Value(int32_t team, int32_t slot, int32_t index);
void Set_Player_Extra_Value(int32_t team, int32_t slot, int32_t index, int32_t value);

// The team and slot of a pair, and whether that slot is in use.
void Split_Player_Location(PLAYER_LOCATION pair, int32_t* team, int32_t* slot);
int32_t Is_Player_Location_Used(PLAYER_LOCATION pair);

// "%c. %s": the first name's initial and the last name. Empty unless the
// slot is in use on a valid team or pool. `out` holds PLAYER_NAME_TEXT_SIZE bytes.
void Get_Player_Initial_Last_Name(int32_t team, int32_t slot, char* out);
// The full name, or the initial form when the full name is 25 characters or longer.
void Get_Player_Short_Full_Name(int32_t team, int32_t slot, char* out);

// Moves the player to slot 99, every later player one slot forward.
void Move_Player_To_Last_Slot(int32_t team, int32_t slot);
// Deletes the player's season lines and clears his record.
void Erase_Player(int32_t team, int32_t slot);
// Erases every slot of the franchises 0..35.
void Erase_All_Franchise_Players();
