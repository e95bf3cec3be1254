#include "tools/rating_from_stats.h"

#include <cstring>

#include "app/diagnostics.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/player_statistics.h"
#include "personnel/scouting.h"
#include "personnel/typical_season.h"

namespace {
constexpr int32_t RATING_STATISTIC_CODES[] = {208, 209, 200, 201, 202, 203, 204, 227, 228,
                                              229, 230, 206, 207, 231, 232, 210, 211, 212,
                                              215, 216, 217, 218, 219, 220, 221, 223, 222};
static_assert(sizeof RATING_STATISTIC_CODES / sizeof RATING_STATISTIC_CODES[0] == 27);

constexpr int32_t LINEMAN_PASS_BLOCKING_STAT = 6;
constexpr int32_t LINEMAN_RUN_BLOCKING_STAT = 5;

bool Is_Lineman(int32_t team, int32_t slot) {
    return Get_Player_Basic_Group(team, slot) == 1;
}

int32_t Get_Rating_Statistic(int32_t team, int32_t slot, int32_t rating) {
    if (Is_Lineman(team, slot)) {
        if (rating == RATING_PASS_BLOCKING) return LINEMAN_PASS_BLOCKING_STAT;
        if (rating == RATING_RUN_BLOCKING) return LINEMAN_RUN_BLOCKING_STAT;
    }
    return Get_Rating_Statistic_Code(rating);
}
} // namespace

int32_t Get_Rating_Statistic_Code(int32_t rating) {
    if (rating < RATING_HEALTH || rating > RATING_PUNT_DISTANCE) return -1;
    return RATING_STATISTIC_CODES[rating];
}

float Get_Rating_From_Stats(int32_t team, int32_t slot, int32_t rating) {
    return Get_Rating_From_Season_Stats(team, slot, SEASON_PREDICTED, rating);
}

float Get_Rating_From_Season_Stats(int32_t team, int32_t slot, int32_t season, int32_t rating) {
    const int32_t code = Get_Rating_Statistic(team, slot, rating);
    if (code < 0) {
        Report_System_Error("nRating out of bounds in Get_Rating_From_Stats(%d,%d,[%d])", team, slot, rating);
        return MINIMUM_RATING;
    }
    // The scouts' error is how the user sees a player; the player's own ratings
    // never take it on.
    Hold_Scouting_Error(true);
    const int32_t value = Get_Player_Stat(team, slot, season, code);
    Hold_Scouting_Error(false);
    return static_cast<float>(value);
}

void Set_Player_Ratings_From_Stats(int32_t team, int32_t slot) {
    for (int32_t rating = RATING_HEALTH; rating <= RATING_PUNT_DISTANCE; ++rating)
        Set_Player_Rating(team, slot, rating, Get_Rating_From_Stats(team, slot, rating));
}

bool Is_Predicted_Season_Typical(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return false;
    // Stored values, as the typical season writes them (a read of the predicted
    // season caps a kicker's longest field goal).
    int32_t* predicted = Get_Player_Record_Pointer(team, slot)->Season_Stats[SEASON_PREDICTED];
    int32_t held[NUMBER_OF_SEASON_STATS];
    memcpy(held, predicted, sizeof held);
    Calculate_Typical_Season_From_Ratings(team, slot);
    const bool typical = memcmp(held, predicted, sizeof held) == 0;
    memcpy(predicted, held, sizeof held);
    return typical;
}

void Refresh_Player_Ratings_From_Stats(int32_t team, int32_t slot) {
    // A season computed from the ratings says nothing they do not: the
    // estimates, made to read real seasons, could only lose what the ratings hold.
    if (Is_Predicted_Season_Typical(team, slot)) return;
    Set_Player_Ratings_From_Stats(team, slot);
}
