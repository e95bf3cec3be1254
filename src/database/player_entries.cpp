#include "database/player_entries.h"

#include <cstdio>
#include <cstring>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"

namespace {
constexpr size_t LONGEST_SHOWN_FULL_NAME = 24;

bool Is_Extra_Value(int32_t team, int32_t slot, int32_t index) {
    return Is_Player_Address(team, slot) && static_cast<uint32_t>(index) < NUMBER_OF_PLAYER_EXTRA_VALUES;
}
} // namespace

int32_t Get_Player_Extra_Value(int32_t team, int32_t slot, int32_t index) {
    if (!Is_Extra_Value(team, slot, index)) {
        Report_System_Error("Invalid argument in Get_Player_Extra_Value(%d,%d,%d)", team, slot, index);
        return 0;
    }
    return Universe.Teams[team].Players[slot].Extra_Values[index];
}

void Set_Player_Extra_Value(int32_t team, int32_t slot, int32_t index, int32_t value) {
    if (!Is_Extra_Value(team, slot, index)) {
        Report_System_Error("Invalid argument in Set_Player_Extra_Value(%d,%d,%d,%d)", team, slot, index,
                            value);
        return;
    }
    Universe.Teams[team].Players[slot].Extra_Values[index] =
        static_cast<int16_t>(value > INT16_MAX   ? INT16_MAX
                             : value < INT16_MIN ? INT16_MIN
                                                 : value);
}

void Split_Player_Location(PLAYER_LOCATION pair, int32_t* team, int32_t* slot) {
    if (team != nullptr) *team = pair.Team;
    if (slot != nullptr) *slot = pair.Slot;
}

int32_t Is_Player_Location_Used(PLAYER_LOCATION pair) {
    return Is_Player_Slot_Used(pair.Team, pair.Slot);
}

void Get_Player_Initial_Last_Name(int32_t team, int32_t slot, char* out) {
    out[0] = '\0';
    if (!Is_Player_Slot_Used(team, slot)) return;
    char first[16];
    char last[24];
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    snprintf(out, PLAYER_NAME_TEXT_SIZE, "%c. %s", first[0], last);
}

void Get_Player_Short_Full_Name(int32_t team, int32_t slot, char* out) {
    out[0] = '\0';
    if (!Is_Player_Slot_Used(team, slot)) return;
    Get_Player_Full_Name(team, slot, out);
    if (strlen(out) > LONGEST_SHOWN_FULL_NAME) Get_Player_Initial_Last_Name(team, slot, out);
}

void Move_Player_To_Last_Slot(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Move_Player_To_Last_Slot(%d,%d)", team, slot);
        return;
    }
    for (int32_t s = slot; s < PLAYERS_PER_TEAM - 1; ++s)
        Swap_Players(team, s, team, s + 1);
}

void Erase_Player(int32_t team, int32_t slot) {
    Delete_All_Player_Season_Lines(team, slot);
    Clear_Player(team, slot);
}

void Erase_All_Franchise_Players() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            Erase_Player(team, slot);
}
