#include "personnel/typical_season.h"

#include <algorithm>
#include <cmath>

#include "database/player_record.h"
#include "database/player_statistics.h"
#include "engine/statistics_credit.h"

namespace {
constexpr int32_t TYPICAL_GAMES = 16;

struct TYPICAL_SEASON_WRITER {
    int32_t Team;
    int32_t Slot;
    float Ratings[NUMBER_OF_RATINGS_WITH_COMPOSITES];
    float R(int32_t rating) const { return Ratings[rating]; }
    // Stored truncated toward zero, within a season's largest figure: the
    // ratings of a damaged file can be any float, NaN included.
    void Set(int32_t stat, float value) const {
        const float held = std::isnan(value) ? 0.0f
                                             : std::clamp(value, -static_cast<float>(LARGEST_SEASON_FIGURE),
                                                          static_cast<float>(LARGEST_SEASON_FIGURE));
        Set_Player_Stat(Team, Slot, SEASON_PREDICTED, stat, static_cast<int32_t>(held));
    }
};

void Write_Quarterback(const TYPICAL_SEASON_WRITER& w) {
    constexpr float ATTEMPTS = 600.0f;
    w.Set(2, ATTEMPTS);
    const float completions = (0.003f * w.R(RATING_ACCURACY) + 0.41f) * ATTEMPTS;
    w.Set(3, completions);
    w.Set(5, 0.16f * w.R(RATING_DISTANCE) * completions);
    w.Set(4, std::max(0.0f, (106.0f - w.R(RATING_CONTROL)) * 0.5f));
    w.Set(6, std::max(0.0f, 0.75f * w.R(RATING_RED_ZONE) - 32.5f));
    const float mobility = w.R(RATING_MOBILITY);
    const float rushes = (mobility - 30.0f) * (mobility - 30.0f) / 30.0f;
    w.Set(7, rushes);
    w.Set(9, (rushes - 10.0f) / 15.0f);
    w.Set(8, (mobility - 40.0f) * rushes / 10.0f);
    const float fumbles = (115.0f - w.R(RATING_HANDS)) / 7.5f;
    w.Set(19, fumbles);
    w.Set(13, 0.5f * fumbles);
    const float sacked = 48.0f - 0.25f * mobility;
    w.Set(14, sacked);
    w.Set(15, 8.0f * sacked);
}

void Write_Receiving(const TYPICAL_SEASON_WRITER& w, int32_t position, float rushes) {
    const bool back = position == POSITION_RB || position == POSITION_FB;
    const float c28 = w.R(RATING_RECEIVING_COMPOSITE);
    float receptions = w.R(RATING_QUICKNESS) + c28 - 90.0f;
    if (position == POSITION_TE) receptions *= 0.7f;
    if (back) receptions *= 0.4f;
    w.Set(10, receptions);
    float yards = w.R(RATING_SPEED) * receptions / 5.0f;
    if (position == POSITION_TE) yards *= 0.8f;
    w.Set(11, yards);
    // A back's targets and touches count the passes thrown his way, not only those caught.
    if (back) receptions = receptions / 0.65f;
    w.Set(4, (yards / 20.0f + receptions) * 70.0f / c28);
    w.Set(5, (yards / 30.0f + receptions) * 0.5f);
    w.Set(6, (w.R(RATING_VISION) + w.R(RATING_POWER)) / 400.0f * yards);
    const float fumbles = (rushes + receptions) / 300.0f * (115.0f - w.R(RATING_HANDS)) / 15.0f;
    w.Set(2, fumbles);
    w.Set(13, 0.5f * fumbles);
    w.Set(12, (w.R(RATING_POWER) - 20.0f) * receptions / 500.0f);
}

void Write_Back(const TYPICAL_SEASON_WRITER& w, int32_t position) {
    const float c27 = w.R(RATING_RUNNING_COMPOSITE);
    const float rushes = position == POSITION_FB ? 0.75f * c27 : 3.0f * c27;
    w.Set(7, rushes);
    w.Set(8, (c27 + 10.0f) * rushes / 20.0f);
    w.Set(9, (w.R(RATING_POWER) - 20.0f) * rushes / 2500.0f);
    Write_Receiving(w, position, rushes);
}

void Write_Defender(const TYPICAL_SEASON_WRITER& w) {
    constexpr int32_t DIVISOR[9] = {0, 0, 1, 1, 1, 40, 2, 9, 50};
    for (int32_t stat = 2; stat <= 8; ++stat)
        Set_Player_Stat(w.Team, w.Slot, SEASON_PREDICTED, stat,
                        Estimate_Player_Stat_Frequency(w.Team, w.Slot, stat) / DIVISOR[stat]);
}

void Write_Kicker(const TYPICAL_SEASON_WRITER& w) {
    const float accuracy = w.R(RATING_FG_ACCURACY);
    const float distance = w.R(RATING_FG_DISTANCE);
    w.Set(8, 50.0f);
    const float a = accuracy / 10.0f;
    w.Set(9, std::min(a + 41.0f, 50.0f));
    w.Set(10, 10.0f);
    w.Set(11, std::min(a, 10.0f));
    w.Set(12, 15.0f);
    w.Set(13, std::min(accuracy / 8.0f, 15.0f));
    const float d = std::min(distance / 7.0f, 14.0f);
    w.Set(14, d);
    w.Set(15, accuracy / 7.0f + d - 14.0f);
    const float tried_from_fifty = std::clamp((distance - 45.0f) / 6.0f, 0.0f, 9.0f);
    w.Set(16, tried_from_fifty);
    const float made_from_fifty =
        std::clamp(distance / 10.0f + tried_from_fifty - 12.0f, 0.0f, tried_from_fifty);
    w.Set(17, made_from_fifty);
    const bool made_one = static_cast<int32_t>(made_from_fifty) > 0;
    w.Set(18, made_one ? std::max(distance / 3.0f + 26.0f, 50.0f) : std::min(distance / 3.0f + 25.0f, 49.0f));
}

void Write_Punter(const TYPICAL_SEASON_WRITER& w) {
    const float distance = w.R(RATING_PUNT_DISTANCE);
    w.Set(2, 40.0f);
    w.Set(3, (distance + 5.0f) * 40.0f * 0.5f);
    w.Set(6, 20.0f - w.R(RATING_PUNT_ACCURACY) / 7.0f);
    w.Set(5, 0.5f * distance + 20.0f);
}
} // namespace

void Calculate_Typical_Season_From_Ratings(int32_t team, int32_t slot) {
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 1, TYPICAL_GAMES);
    Set_Player_Stat(team, slot, SEASON_PREDICTED, 0, TYPICAL_GAMES);
    TYPICAL_SEASON_WRITER w{team, slot, {}};
    for (int32_t rating = 0; rating < NUMBER_OF_RATINGS_WITH_COMPOSITES; ++rating)
        w.Ratings[rating] = Get_Player_Rating(team, slot, rating);
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    switch (position) {
    case POSITION_QB:
        Write_Quarterback(w);
        break;
    case POSITION_RB:
    case POSITION_FB:
        Write_Back(w, position);
        break;
    case POSITION_TE:
    case POSITION_WR:
        Write_Receiving(w, position, 0.0f);
        break;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        Write_Defender(w);
        break;
    case POSITION_K:
        Write_Kicker(w);
        break;
    case POSITION_P:
        Write_Punter(w);
        break;
    default:
        break;
    }
}
