#include "frontoffice/contract_repairs.h"

#include "database/player_record.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/salaries.h"
#include "platform/message_box.h"

namespace {
bool Is_Valid_Team_Slot(int32_t team) {
    return team >= MAX_FRANCHISES || Is_Used_Franchise_Slot(team);
}

// A salary (thousands of dollars) that no contract can hold.
bool Is_Corrupt_Salary(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_SALARY) < 0;
}

int32_t Count_Corrupt_Salaries() {
    int32_t count = 0;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) && Is_Corrupt_Salary(team, slot)) ++count;
    }
    return count;
}
} // namespace

// Rookie contracts keep their stored terms until the contract model that
// rewrites them is built.
void Fix_Rookie_Contracts(int32_t) {}

// Only negative salaries count as corrupt here; each becomes the player's
// league minimum when the user agrees.
void Fix_Corrupt_Salary_Data() {
    const int32_t corrupt = Count_Corrupt_Salaries();
    if (corrupt == 0) return;
    if (Show_Message_Box("Some player salaries in this game are not valid.\n\nRepair them now?",
                         "Corrupt Salary Data", BOX_YES_NO) != ID_BOX_YES)
        return;
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (!Is_Valid_Team_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) && Is_Corrupt_Salary(team, slot))
                Set_Player_Vital_Stat(team, slot, VITAL_SALARY, Get_Player_Minimum_Salary(team, slot));
    }
}
