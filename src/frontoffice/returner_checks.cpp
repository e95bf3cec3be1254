#include "frontoffice/returner_checks.h"

#include "database/player_record.h"
#include "database/team_record.h"
#include "frontoffice/returners.h"

void Check_Team_Returners(int32_t team) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS) return;
    for (int32_t n = 0; n < 2; ++n) {
        int32_t slot = Get_Team_Returner(team, n);
        if (slot >= 0 && slot < PLAYERS_PER_TEAM && Is_Player_Slot_Used(team, slot)) continue;
        Choose_Best_Returner(team, n);
    }
}
