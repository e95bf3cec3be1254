#include "tools/player_overall_adjustment.h"

#include <cstring>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "personnel/player_development.h"

namespace {
constexpr int32_t MOST_STEPS = 200;
constexpr int32_t GROWTH_STEP = 2;

// The potentials projected at each growth rate tried. Once the target lies
// between two steps the rate goes back and forth between them: a projection
// that drew nothing and left the record as it found it is the same at the
// same rate, as nothing but the rate changes between steps.
struct KNOWN_POTENTIALS {
    int32_t Count = 0;
    int32_t Growth[MOST_STEPS];
    int32_t Potential[MOST_STEPS];
};

// Whether two records differ in nothing but the growth rate.
bool Same_But_Growth_Rate(const PLAYER_RECORD& before, const PLAYER_RECORD& after) {
    PLAYER_RECORD regrown = after;
    regrown.Vital_Stats[VITAL_GROWTH_RATE] = before.Vital_Stats[VITAL_GROWTH_RATE];
    return memcmp(&before, &regrown, sizeof before) == 0;
}

int32_t Get_Truncated_Potential(int32_t team, int32_t slot, KNOWN_POTENTIALS& known) {
    if (!Is_Player_Address(team, slot)) return static_cast<int32_t>(Get_Player_Potential(team, slot));
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    const int32_t growth = player.Vital_Stats[VITAL_GROWTH_RATE];
    for (int32_t n = 0; n < known.Count; ++n)
        if (known.Growth[n] == growth) return known.Potential[n];
    const PLAYER_RECORD before = player;
    const uint64_t draws = Get_Random_Draw_Count();
    const int32_t potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
    if (Get_Random_Draw_Count() == draws && memcmp(&before, &player, sizeof before) == 0) {
        if (known.Count < MOST_STEPS) {
            known.Growth[known.Count] = growth;
            known.Potential[known.Count] = potential;
            ++known.Count;
        }
    } else if (!Same_But_Growth_Rate(before, player)) {
        // The record is not what the known projections read any more. A rate
        // above what a record may hold is drawn anew when the projection reads
        // it: the rest of the record is as they read it, and they stay.
        known.Count = 0;
    }
    return potential;
}
} // namespace

void Adjust_Player_To_Overall(int32_t team, int32_t slot, int32_t target) {
    int32_t potential = static_cast<int32_t>(Get_Player_Potential(team, slot));
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    if (potential < target && Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE) - 1 <= age)
        Set_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE, age + 2 > 25 ? age + 2 : 25);
    KNOWN_POTENTIALS known;
    for (int32_t step = 0; step < MOST_STEPS && potential != target; ++step) {
        const int32_t growth = Get_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE);
        Set_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE,
                              potential < target ? growth + GROWTH_STEP : growth - GROWTH_STEP);
        potential = Get_Truncated_Potential(team, slot, known);
    }
}
