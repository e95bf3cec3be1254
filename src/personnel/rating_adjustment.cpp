#include "personnel/rating_adjustment.h"

#include <cmath>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/rating_normalisation.h"

namespace {

// How fast each rating declines with age, relative to the adjustment.
constexpr float AGING_DECLINE_FACTOR[NUMBER_OF_PLAYER_RATINGS] = {
    2.0f, 2.0f, 0.7f, 1.2f, 0.6f, 0.7f, 1.2f, 0.8f, 0.8f, 1.2f, 0.2f, 0.8f, 0.8f, 1.5f,
    1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 1.0f, 1.1f, 0.9f, 1.0f, 0.7f, 1.2f, 0.7f, 1.2f};

} // namespace

void Modify_Player_Ratings(int32_t team, int32_t slot, float adjustment, bool aging) {
    if (std::fabs(adjustment) > 1.0f)
        Report_System_Error("fAdjustment too large in Modify_Player_Ratings(%d, %d, [%f], %s)", team, slot,
                            static_cast<double>(adjustment), aging ? "TRUE" : "FALSE");
    const bool* used = Get_Ratings_Used_By_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        float value = Get_Player_Rating(team, slot, rating);
        const bool relevant = used[rating];
        if (adjustment < 0.0f) {
            const float cut = aging ? AGING_DECLINE_FACTOR[rating] * adjustment : adjustment;
            if (relevant) value = value * (1.0f + cut);
        } else {
            float gain = 70.0f * adjustment;
            if (aging && rating == RATING_SPEED) gain = 0.0f;
            if (relevant) value = value + (99.0f - value) / 29.0f * gain;
        }
        Set_Player_Rating(team, slot, rating, value);
    }
}
