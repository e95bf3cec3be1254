#include "personnel/rating_adjustment.h"

#include <cmath>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/rating_normalisation.h"

void Modify_Player_Ratings(int32_t team, int32_t slot, float adjustment, bool aging) {
    if (std::fabs(adjustment) > 1.0f)
        Report_System_Error("fAdjustment too large in Modify_Player_Ratings(%d, %d, [%f], %s)", team, slot,
                            static_cast<double>(adjustment), aging ? "TRUE" : "FALSE");
    const bool* used = Get_Ratings_Used_By_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    Adjust_Ratings(
        used, adjustment, aging, [&](int32_t rating) { return Get_Player_Rating(team, slot, rating); },
        [&](int32_t rating, float value) { Set_Player_Rating(team, slot, rating, value); });
}
