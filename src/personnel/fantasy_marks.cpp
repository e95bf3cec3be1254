#include "personnel/fantasy_marks.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"

namespace {
constexpr int32_t VITAL_FANTASY_TEAM = 26;
constexpr int32_t VITAL_FANTASY_PLACED = 27;
constexpr int32_t NO_FANTASY_TEAM = -128;

bool carrying_out = false;
} // namespace

bool Is_Fantasy_Draft_Under_Way() {
    return carrying_out || Get_Universe_Stat(FANTASY_DRAFT_FLAG) != 0;
}

bool Is_Fantasy_Undrafted(int32_t team, int32_t slot) {
    return Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM) == NO_FANTASY_TEAM;
}

void Mark_New_Player_For_Fantasy_Draft(int32_t team, int32_t slot) {
    if (!Is_Fantasy_Draft_Under_Way()) return;
    Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_TEAM, NO_FANTASY_TEAM);
    Set_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED, carrying_out ? 1 : 0);
}

FANTASY_CARRY_OUT_SCOPE::FANTASY_CARRY_OUT_SCOPE() : Was_Carrying_Out(carrying_out) {
    carrying_out = true;
}

FANTASY_CARRY_OUT_SCOPE::~FANTASY_CARRY_OUT_SCOPE() {
    carrying_out = Was_Carrying_Out;
}
