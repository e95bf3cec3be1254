#include "tools/player_overall_adjustment.h"

#include "database/player_record.h"
#include "frontoffice/player_potential.h"
#include "personnel/player_development.h"

namespace {
constexpr int32_t MOST_STEPS = 200;
constexpr int32_t GROWTH_STEP = 2;
} // namespace

void Adjust_Player_To_Overall(int32_t team, int32_t slot, int32_t target) {
    int32_t potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    if (potential < target && Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE) - 1 <= age)
        Set_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE, age + 2 > 25 ? age + 2 : 25);
    for (int32_t step = 0; step < MOST_STEPS && potential != target; ++step) {
        const int32_t growth = Get_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE);
        Set_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE,
                              potential < target ? growth + GROWTH_STEP : growth - GROWTH_STEP);
        potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
    }
}
