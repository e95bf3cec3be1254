#include "personnel/draft_picks.h"

#include "database/league_structure.h"
#include "database/universe.h"

void Reset_Team_Draft_Picks(int32_t team) {
    if (static_cast<uint32_t>(team) >= MAX_FRANCHISES) return;
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            Set_Draft_Pick_Owner(year, round, team, team);
}
