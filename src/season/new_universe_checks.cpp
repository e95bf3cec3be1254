#include "season/new_universe_checks.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_record_layout.h"

namespace {
constexpr int32_t VITAL_FANTASY_PLACED = 27;
} // namespace

int32_t All_Players_Fantasy_Drafted() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot) &&
                Get_Player_Vital_Stat(team, slot, VITAL_FANTASY_PLACED) == 0)
                return 0;
    return 1;
}
