// Stored ratings with their read repairs, and the four composites.
#include <cmath>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/rating_normalisation.h"
#include "database/universe.h"
#include "tools/rating_from_stats.h"

namespace {
// A stored rating as the game uses it: not-a-number becomes the league baseline
// and anything below 20 becomes 20, both written back.
float Read_Stored_Rating(PLAYER_RECORD& player, int32_t rating) {
    float value = player.Ratings[rating];
    if (std::isnan(value)) {
        value = Get_Rating_Baseline(rating);
        player.Ratings[rating] = value;
    } else if (value < MINIMUM_RATING) {
        value = MINIMUM_RATING;
        player.Ratings[rating] = value;
    }
    return value;
}
} // namespace

void Report_Player_Rating_Write(int32_t team, int32_t slot, int32_t rating, float value) {
    if (!Is_Player_Address(team, slot)) return;
    if (static_cast<uint32_t>(rating) >= NUMBER_OF_PLAYER_RATINGS) {
        Report_System_Error("nRating out of bounds in Set_Player_Rating(%d,%d,[%d],%1f)", team, slot, rating,
                            static_cast<double>(value));
        return;
    }
    if (std::fabs(value) > LARGEST_STORED_RATING)
        Report_System_Error("fValue out of bounds in Set_Player_Rating(%d,%d,%d,[%1f])", team, slot, rating,
                            static_cast<double>(value));
    Universe.Teams[team].Players[slot].Ratings[rating] = value;
}

float Read_Player_Rating(int32_t team, int32_t slot, int32_t rating) {
    if (!Is_Player_Address(team, slot) || rating < 0) return MINIMUM_RATING;
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    if (rating < NUMBER_OF_PLAYER_RATINGS) {
        float value = Read_Stored_Rating(player, rating);
        if ((rating == RATING_HEALTH || rating == RATING_DURABILITY) && (value > 120.0f || value < 0.0f))
            return Get_Rating_From_Stats(team, slot, rating);
        return value;
    }
    if (rating < NUMBER_OF_RATINGS_WITH_COMPOSITES)
        return Compose_Player_Rating(rating, player.Vital_Stats[VITAL_POSITION],
                                     [&](int32_t n) { return Read_Stored_Rating(player, n); });
    Report_System_Error("Unrecognized nRating in Get_Player_Rating(%d,%d,[%d])", team, slot, rating);
    return 0.0f;
}
