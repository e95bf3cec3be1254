#include "frontoffice/rating_value.h"

#include <cmath>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/rating_bounds.h"

namespace {
constexpr float POSITION_FACTOR[NUMBER_OF_POSITIONS] = {2.0f, 1.1f, 0.75f, 0.9f, 1.2f, 1.2f,  1.0f, 1.08f,
                                                        1.2f, 1.1f, 1.1f,  1.1f, 1.1f, 0.35f, 0.17f};
} // namespace

int32_t Get_Rating_Value(int32_t team, int32_t slot, float rating) {
    const float level = rating < 70.0f ? 2.0f * rating - 70.0f : rating;
    float value;
    if (level < 65.0f) {
        const float above = level - 30.0f > 0.0f ? level - 30.0f : 0.0f;
        value = above * above * 0.25f;
    } else {
        const float above = level - 65.0f > 0.0f ? level - 65.0f : 0.0f;
        value = above * above * 15.0f + 306.25f;
    }
    if (!Is_Player_Slot_Used(team, slot)) return static_cast<int32_t>(value);
    const int32_t position =
        Clamp_Int(0, NUMBER_OF_POSITIONS - 1, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    int32_t factored = static_cast<int32_t>(value * POSITION_FACTOR[position]);
    if (position == POSITION_RB) factored = factored * Get_Running_Back_Year_Factor(Get_Current_Year()) / 50;
    return factored;
}

int32_t Get_Running_Back_Year_Factor(int32_t year) {
    // Running backs of 1996-2014 are worth less: 62 % in 1996, full worth again from 2015.
    if (year < 1996) return 50;
    return 50 - Clamp_Int(0, 20, 2015 - year);
}

float Get_Rating_From_Value(int32_t team, int32_t slot, int32_t value) {
    float worth = static_cast<float>(value);
    if (Is_Player_Slot_Used(team, slot)) {
        const int32_t position =
            Clamp_Int(0, NUMBER_OF_POSITIONS - 1, Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
        worth /= POSITION_FACTOR[position];
        if (position == POSITION_RB) worth = worth * 50.0f / Get_Running_Back_Year_Factor(Get_Current_Year());
    }
    float level;
    if (worth >= 306.25f)
        level = 65.0f + std::sqrt((worth - 306.25f) / 15.0f);
    else
        level = 30.0f + std::sqrt(worth > 0.0f ? 4.0f * worth : 0.0f);
    return level < 70.0f ? (level + 70.0f) / 2.0f : level;
}

int32_t Get_Evaluation_Rating_Value(int32_t team, int32_t slot) {
    const float evaluation = Ensure_Player_Minimum_Rating(team, slot);
    return Get_Rating_Value(team, slot, static_cast<float>(Truncate_Rating(evaluation)));
}

int32_t Get_Potential_Rating_Value(int32_t team, int32_t slot) {
    const int32_t worth = Get_Bounded_Rating_Value(team, slot, Get_Player_Potential(team, slot));
    return worth > 0 ? worth : 0;
}
