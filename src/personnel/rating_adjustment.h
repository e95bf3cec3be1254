#pragma once
// Moving a player's ratings up or down by one signed adjustment.
#include <cstdint>

#include "database/player_record.h"

// How fast each rating declines with age, relative to the adjustment.
inline constexpr float AGING_DECLINE_FACTOR[NUMBER_OF_PLAYER_RATINGS] = {
    2.0f, 2.0f, 0.7f, 1.2f, 0.6f, 0.7f, 1.2f, 0.8f, 0.8f, 1.2f, 0.2f, 0.8f, 0.8f, 1.5f,
    1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 1.0f, 1.1f, 0.9f, 1.0f, 0.7f, 1.2f, 0.7f, 1.2f};

// The new value of one rating that matters for the player's position.
inline float Adjust_Rating_Value(int32_t rating, float value, float adjustment, bool aging) {
    if (adjustment < 0.0f) {
        const float cut = aging ? AGING_DECLINE_FACTOR[rating] * adjustment : adjustment;
        return value * (1.0f + cut);
    }
    float gain = 70.0f * adjustment;
    if (aging && rating == RATING_SPEED) gain = 0.0f;
    return value + (99.0f - value) / 29.0f * gain;
}

// The rating loop of Modify_Player_Ratings over any store: `get(rating)` reads
// a rating, `set(rating, value)` writes it, in rating order; `used` marks the
// ratings of the player's position.
template <typename GET, typename SET>
void Adjust_Ratings(const bool* used, float adjustment, bool aging, GET get, SET set) {
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        float value = get(rating);
        if (used[rating]) value = Adjust_Rating_Value(rating, value, adjustment, aging);
        set(rating, value);
    }
}

// Moves every rating that matters for the player's position: a positive
// adjustment closes 70 a / 29 of the gap to 99, a negative one cuts the rating
// by that fraction. In aging mode each rating declines by its own factor and
// Speed never improves. An adjustment outside -1..1 is reported and applied.
void Modify_Player_Ratings(int32_t team, int32_t slot, float adjustment, bool aging);
