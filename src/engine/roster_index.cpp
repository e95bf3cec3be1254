#include "engine/roster_index.h"

#include <cstring>

#include "database/league_structure.h"
#include "database/roster_queries.h"
#include "database/team_record.h"
#include "database/universe.h"

namespace {
uint32_t Builds = 0;
} // namespace

void Build_Roster_Index(int32_t team, ROSTER_INDEX* index) {
    index->Build = ++Builds;
    std::memset(index->Player_Count, 0, sizeof index->Player_Count);
    std::memset(index->Healthy_Count, 0, sizeof index->Healthy_Count);
    std::memset(index->Available_Count, 0, sizeof index->Available_Count);
    index->Team = team;
    const int32_t limit = Get_Availability_Limit();
    // The roster counts up to its first empty slot (none for a code not in
    // use), found in the same pass.
    const bool in_use = Is_Team_Record_Slot(team) && Is_Valid_Team_Code(team);
    int32_t slot = 0;
    for (; in_use && slot < PLAYERS_PER_TEAM; ++slot) {
        const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
        if (player.Vital_Stats[VITAL_PLAYER_ID] == 0) break;
        const int32_t position = player.Vital_Stats[VITAL_POSITION];
        if (static_cast<uint32_t>(position) >= NUMBER_OF_POSITIONS) continue;
        const int32_t weeks_out = player.Vital_Stats[VITAL_WEEKS_OUT];
        index->Players[position][index->Player_Count[position]++] = static_cast<uint8_t>(slot);
        if (weeks_out < 1)
            index->Healthy[position][index->Healthy_Count[position]++] = static_cast<uint8_t>(slot);
        if (weeks_out < limit) ++index->Available_Count[position];
    }
    index->Roster_Count = slot;
}
