#include "tools/young_player_ratings.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/position_evaluation.h"
#include "database/roster_slots.h"
#include "frontoffice/player_potential.h"
#include "tools/player_overall_adjustment.h"

namespace {
constexpr int32_t YOUNG_BELOW_AGE = 25;
} // namespace

int32_t Get_Young_Player_Rating_Ceiling(int32_t credited_seasons) {
    return (credited_seasons + 13) * 6;
}

void Adjust_Young_Player_Ratings() {
    const int32_t year = Get_Current_Year();
    for (int32_t team = 0; team <= FREE_AGENT_TEAM; ++team) {
        if (!Is_Valid_Team_Code(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t age = year - Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
            if (age >= YOUNG_BELOW_AGE) continue;
            const int32_t ceiling =
                Get_Young_Player_Rating_Ceiling(Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS));
            const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
            const int32_t evaluation = static_cast<int32_t>(Get_Player_Position_Rating(team, slot, position));
            if (evaluation <= ceiling) continue;
            const int32_t potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
            Rescale_Player_Ratings(team, slot, static_cast<float>(ceiling));
            Adjust_Player_To_Overall(team, slot, potential);
        }
    }
}
