#include "personnel/rating_adjustment.h"

#include <cmath>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/rating_normalisation.h"
#include "database/universe.h"

namespace {
// Whether every stored rating reads as it stands: at least 20 (not missing),
// and Health and Durability no higher than what is read from statistics.
bool Ratings_Read_In_Place(const float* ratings) {
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        if (!(ratings[rating] >= MINIMUM_RATING)) return false;
    return ratings[RATING_HEALTH] <= 120.0f && ratings[RATING_DURABILITY] <= 120.0f;
}
} // namespace

void Modify_Player_Ratings(int32_t team, int32_t slot, float adjustment, bool aging) {
    if (std::fabs(adjustment) > 1.0f)
        Report_System_Error("fAdjustment too large in Modify_Player_Ratings(%d, %d, [%f], %s)", team, slot,
                            static_cast<double>(adjustment), aging ? "TRUE" : "FALSE");
    const bool* used = Get_Ratings_Used_By_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    // Ratings that need none of the read repairs are read in place; a rating
    // depends on no other, so checking them all first reads as reading each
    // in turn.
    if (Is_Player_Address(team, slot)) {
        float* ratings = Universe.Teams[team].Players[slot].Ratings;
        if (Ratings_Read_In_Place(ratings)) {
            Adjust_Ratings(
                used, adjustment, aging, [&](int32_t rating) { return ratings[rating]; },
                [&](int32_t rating, float value) {
                    if (value >= -1000.0f && value <= 1000.0f)
                        ratings[rating] = value;
                    else
                        Report_Player_Rating_Write(team, slot, rating, value);
                });
            return;
        }
    }
    Adjust_Ratings(
        used, adjustment, aging, [&](int32_t rating) { return Get_Player_Rating(team, slot, rating); },
        [&](int32_t rating, float value) { Set_Player_Rating(team, slot, rating, value); });
}
