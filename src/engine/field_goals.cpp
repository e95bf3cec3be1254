#include "engine/field_goals.h"

#include "database/settings.h"

namespace {

constexpr int32_t GOAL_POSTS_MOVED_YEAR = 1974;

} // namespace

int32_t Get_Field_Goal_Distance(int32_t yards_to_goal, int32_t year) {
    return year < GOAL_POSTS_MOVED_YEAR ? yards_to_goal + 7 : yards_to_goal + 17;
}

double Get_Field_Goal_Base_Chance(double effective, double accuracy, int32_t range) {
    const double short_chance = accuracy / 5000.0 + 0.98;
    const double middle_chance = (accuracy - 70.0) / 300.0 + 0.88;
    if (effective < 20.0) return short_chance;
    if (effective < 40.0) {
        const double t = (effective - 20.0) / 40.0;
        return (1.0 - t) * short_chance + t * middle_chance;
    }
    if (effective <= range) {
        // A kicker whose range is 40 has no middle stretch to interpolate over.
        if (range <= 40) return middle_chance;
        const double t = (effective - 40.0) / (range - 40.0);
        return (1.0 - t) * middle_chance + 0.7 * t;
    }
    return 0.7 - (effective - range) / 10.0;
}

int32_t Get_Field_Goal_Attempt_Stat(int32_t distance) {
    if (distance < 30) return 10;
    if (distance < 40) return 12;
    if (distance < 50) return 14;
    return 16;
}

void Resolve_Field_Goal(GAME_RECORD*) {}

int32_t Get_Conversion_Spot() {
    switch (Get_User_Preference(EXTRA_POINT_SPOT_CODE)) {
    case 1:
        return 15;
    case 2:
        return 20;
    case 3:
        return 25;
    case 4:
        return 30;
    default:
        return 2;
    }
}

double Get_Conversion_Kick_Chance(int32_t, int32_t) {
    return 0.0;
}

void Resolve_Conversion_Kick(GAME_RECORD*) {}
