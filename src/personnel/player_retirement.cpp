#include "personnel/player_retirement.h"

#include "database/player_record.h"
#include "database/roster_slots.h"

// The player and his season lines leave the league.
void Retire_Player(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return;
    Delete_Player(team, slot);
}
