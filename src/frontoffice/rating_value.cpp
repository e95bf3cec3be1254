#include "frontoffice/rating_value.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"

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
    const int32_t year = Get_Current_Year();
    // Running backs of 1996-2014 are worth less: 62 % in 1996, full worth again from 2015.
    if (position == POSITION_RB && year >= 1996) {
        const int32_t years_before = Clamp_Int(0, 20, 2015 - year);
        factored = factored * (50 - years_before) / 50;
    }
    return factored;
}
