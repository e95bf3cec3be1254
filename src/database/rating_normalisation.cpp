#include "database/rating_normalisation.h"

#include <array>
#include <cmath>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_record_layout.h"
#include "database/roster_slots.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/depth_charts.h"
#include "tools/ratings_rebuild.h"

namespace {
constexpr float RATING_BASELINE[NUMBER_OF_PLAYER_RATINGS] = {70, 70, 75, 75, 75, 75, 70, 70, 70,
                                                             70, 70, 70, 70, 70, 70, 78, 78, 78,
                                                             62, 65, 65, 70, 65, 75, 75, 75, 75};
constexpr float RATING_TARGET_SPREAD[NUMBER_OF_PLAYER_RATINGS] = {
    8, 8, 12, 12, 12,    12,   10,    10, 12,    12, 12, 12, 10, 7,
    7, 7, 7,  7,  11.5f, 8.6f, 10.3f, 10, 12.8f, 8,  8,  7,  7};
constexpr int32_t RATING_POSITION_GROUP[NUMBER_OF_PLAYER_RATINGS] = {
    -1, -1, 4, 4, 4, 4, 4, -1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3};

float Limited(float value, float low, float high) {
    return value >= high ? high : value < low ? low : value;
}

// Moves rating r of the franchises and the free agents so that the league's
// starters meet its baseline mean and target spread.
void Shift_And_Stretch_Rating(int32_t rating) {
    int32_t counted = 0;
    float mean = Get_League_Rating_Sample(rating, &counted);
    // A rating no starter carries has no league mean to move toward: its
    // mean of 0 would add the whole baseline to every player.
    if (counted == 0) return;
    float shift = Get_Rating_Baseline(rating) - mean;
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) {
            Set_Player_Rating(team, slot, rating, Get_Player_Rating(team, slot, rating) + shift);
        },
        0, FREE_AGENT_TEAM);
    float spread = Get_League_Rating_Spread(rating);
    if (spread > 0.0f) {
        float centre = Get_League_Rating_Mean(rating);
        float factor = Get_Rating_Target_Spread(rating) / spread;
        if (factor > 2.0f) factor = std::sqrt(factor) * std::sqrt(2.0f);
        For_Each_League_Player(
            [&](int32_t team, int32_t slot) {
                float value = (Get_Player_Rating(team, slot, rating) - centre) * factor + centre;
                Set_Player_Rating(team, slot, rating, Limited(value, 20.0f, 99.0f));
            },
            0, FREE_AGENT_TEAM);
    }
}

// Softens rating r of every record: wild values become 60, the ends are
// drawn halfway in, and the rating stays within 1-99.
void Soften_Rating(int32_t rating) {
    For_Each_League_Player([&](int32_t team, int32_t slot) {
        float value = Universe.Teams[team].Players[slot].Ratings[rating];
        if (std::isnan(value) || value > 1000.0f || value < -100.0f)
            value = 60.0f;
        else if (value > 95.0f)
            value = (value + 95.0f) / 2.0f;
        else if (value < 20.0f)
            value = (value + 20.0f) / 2.0f;
        Set_Player_Rating(team, slot, rating, Limited(value, 1.0f, 99.0f));
    });
}

void Normalize_Rating(int32_t rating) {
    Shift_And_Stretch_Rating(rating);
    Soften_Rating(rating);
}

} // namespace

float Get_Rating_Baseline(int32_t rating) {
    if (static_cast<uint32_t>(rating) < NUMBER_OF_PLAYER_RATINGS) return RATING_BASELINE[rating];
    Report_System_Error("nRating out of bounds in Get_Rating_Baseline(%d)", rating);
    return 20.0f;
}

float Get_Rating_Target_Spread(int32_t rating) {
    return static_cast<uint32_t>(rating) < NUMBER_OF_PLAYER_RATINGS ? RATING_TARGET_SPREAD[rating] : 0.0f;
}

int32_t Get_Rating_Position_Group(int32_t rating) {
    return static_cast<uint32_t>(rating) < NUMBER_OF_PLAYER_RATINGS ? RATING_POSITION_GROUP[rating] : -1;
}

namespace {
bool Compute_Rating_Use(int32_t position, int32_t rating) {
    if (rating == RATING_RECEIVING) return position == POSITION_WR;
    int32_t group = Get_Rating_Position_Group(rating);
    if (group == -1) return 1;
    if (rating == RATING_FG_ACCURACY || rating == RATING_FG_DISTANCE) return position == POSITION_K;
    if (rating == RATING_PUNT_ACCURACY || rating == RATING_PUNT_DISTANCE) return position == POSITION_P;
    int32_t position_group = position == POSITION_QB ? 4 : Get_Position_Group(position);
    if (position_group == group) return 1;
    return (rating == RATING_KICK_RETURNS || rating == RATING_PUNT_RETURNS) &&
           (position == POSITION_CB || position == POSITION_S);
}
} // namespace

const bool* Get_Ratings_Used_By_Position(int32_t position) {
    // Asked for every rating at every development step: worked out once.
    static const auto USED = [] {
        std::array<std::array<bool, NUMBER_OF_PLAYER_RATINGS>, NUMBER_OF_POSITIONS + 1> used{};
        for (int32_t p = 0; p < NUMBER_OF_POSITIONS; ++p)
            for (int32_t r = 0; r < NUMBER_OF_PLAYER_RATINGS; ++r)
                used[p][r] = Compute_Rating_Use(p, r);
        return used;
    }();
    const uint32_t row =
        static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? position : NUMBER_OF_POSITIONS;
    return USED[row].data();
}

int32_t Is_Rating_Used_By_Position(int32_t position, int32_t rating) {
    if (static_cast<uint32_t>(rating) >= NUMBER_OF_PLAYER_RATINGS) return 0;
    return Get_Ratings_Used_By_Position(position)[rating] ? 1 : 0;
}

void Normalize_Player_Ratings() {
    Auto_Set_All_Depth_Charts(0);
    for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Normalize_Rating(rating);
}

void Rebuild_All_Ratings() {
    Set_All_Ratings_From_Stats();
    Fill_Missing_Player_Ratings();
    Normalize_Player_Ratings();
}

void Raise_Skill_Position_Speed() {
    For_Each_League_Player([](int32_t team, int32_t slot) {
        int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        if (position < POSITION_QB || position > POSITION_WR) return;
        // The read replaces a missing speed by the baseline and raises one below 20.
        float speed = Get_Player_Rating(team, slot, RATING_SPEED);
        float whole = std::trunc(speed);
        if (whole < 40.0f)
            Set_Player_Rating(team, slot, RATING_SPEED, whole + (position == POSITION_WR ? 40.0f : 30.0f));
    });
}

void Reset_Player_Vital_Stat_6() {
    For_Each_League_Player(
        [](int32_t team, int32_t slot) { Set_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER, 22); });
}
