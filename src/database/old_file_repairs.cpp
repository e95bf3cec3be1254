#include "database/old_file_repairs.h"

#include <cmath>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/rating_normalisation.h"
#include "database/team_record.h"
#include "personnel/player_dimensions.h"

namespace {

// The rating repaired in place: not-a-number becomes the baseline, below 20
// becomes 20.
float Repaired(int32_t team, int32_t slot, int32_t rating) {
    return Get_Player_Rating(team, slot, rating);
}

float Red_Zone_Blend(int32_t team, int32_t slot, int32_t position) {
    auto r = [&](int32_t rating) { return Repaired(team, slot, rating); };
    float sum = 0.0f;
    switch (position) {
    case POSITION_RB:
        sum += 0.45f * r(RATING_SPEED);
        sum += 0.5f * r(RATING_POWER);
        sum += 0.5f * r(RATING_RECEIVING);
        sum += 0.4f * r(RATING_QUICKNESS);
        sum -= 0.5f * r(RATING_HANDS);
        sum -= 0.35f * r(RATING_VISION);
        break;
    case POSITION_FB:
        sum += 0.5f * r(RATING_SPEED);
        sum += 0.2f * r(RATING_RECEIVING);
        sum += 0.15f * r(RATING_QUICKNESS);
        sum += 0.1f * r(RATING_VISION);
        sum += 0.05f * r(RATING_POWER);
        break;
    case POSITION_TE:
        sum += 0.65f * r(RATING_RECEIVING);
        sum += 0.35f * r(RATING_QUICKNESS);
        break;
    default:
        sum += 0.6f * r(RATING_RECEIVING);
        sum += 0.2f * r(RATING_QUICKNESS);
        sum += 0.2f * r(RATING_VISION);
        break;
    }
    return sum;
}

} // namespace

void Repair_Old_Player_Heights() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_HEIGHT) >= 48) return;
        int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        int32_t weight = Get_Player_Vital_Stat(team, slot, VITAL_WEIGHT);
        Set_Player_Vital_Stat(team, slot, VITAL_HEIGHT,
                              Get_Position_Average_Height(position) +
                                  (weight - Get_Position_Average_Weight(position)) / 10);
    });
}

void Repair_Old_Red_Zone_Ratings() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position < POSITION_RB || position > POSITION_WR) return;
        float value = Red_Zone_Blend(team, slot, position);
        // Set_Player_Rating reports a magnitude above 1000 and stores it all the same.
        if (value >= 20.0f) Set_Player_Rating(team, slot, RATING_RED_ZONE, value);
    });
}

void Raise_Running_Back_Ratings() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        if (Get_Player_Vital_Stat(team, slot, VITAL_POSITION) != POSITION_RB) return;
        for (int32_t rating = RATING_POWER; rating <= RATING_HANDS; ++rating) {
            float value = Get_Player_Rating(team, slot, rating);
            Set_Player_Rating(team, slot, rating, value + (115.0f - value) / 5.0f);
        }
    });
}
