#include "personnel/position_codes.h"

#include "database/historical_norms.h"
#include "database/player_record.h"
#include "database/team_record.h"
#include "database/universe.h"

namespace {
// Old rosters knew 14 positions, RB (1) being the last before the gap.
constexpr int32_t LAST_CODE_BEFORE_FULLBACK = POSITION_RB;
constexpr int32_t LAST_OLD_CODE = POSITION_P - 1;
} // namespace

void Convert_Old_Position_Codes() {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (team < MAX_FRANCHISES && !Is_Used_Franchise_Slot(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            // A back whose rating blend is high was a fullback.
            if (position == LAST_CODE_BEFORE_FULLBACK && Is_Rating_Blend_High(team, slot))
                Set_Player_Vital_Stat(team, slot, VITAL_POSITION, POSITION_FB);
            // A code that is not an old one (already the punter) is left for
            // the invalid-position sweep rather than pushed out of range.
            if (position > LAST_CODE_BEFORE_FULLBACK && position <= LAST_OLD_CODE)
                Set_Player_Vital_Stat(team, slot, VITAL_POSITION, position + 1);
        }
    }
}
