#include "database/rating_normalisation.h"

#include "app/diagnostics.h"
#include "database/player_record_layout.h"

namespace {
constexpr float RATING_BASELINE[NUMBER_OF_PLAYER_RATINGS] = {70, 70, 75, 75, 75, 75, 70, 70, 70,
                                                             70, 70, 70, 70, 70, 70, 78, 78, 78,
                                                             62, 65, 65, 70, 65, 75, 75, 75, 75};
} // namespace

float Get_Rating_Baseline(int32_t rating) {
    if (static_cast<uint32_t>(rating) < NUMBER_OF_PLAYER_RATINGS) return RATING_BASELINE[rating];
    Report_System_Error("nRating out of bounds in Get_Rating_Baseline(%d)", rating);
    return 20.0f;
}
