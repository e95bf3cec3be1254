#include "frontoffice/rating_bounds.h"

#include <cmath>

#include "frontoffice/rating_value.h"

namespace {
// Set_Player_Rating reports anything beyond this as out of bounds.
constexpr float RATING_LIMIT = 1000.0f;
} // namespace

float Bound_Rating(float rating) {
    if (std::isnan(rating)) return 0.0f;
    return rating > RATING_LIMIT ? RATING_LIMIT : rating < -RATING_LIMIT ? -RATING_LIMIT : rating;
}

int32_t Truncate_Rating(float rating) {
    return static_cast<int32_t>(Bound_Rating(rating));
}

int32_t Get_Bounded_Rating_Value(int32_t team, int32_t slot, float rating) {
    return Get_Rating_Value(team, slot, Bound_Rating(rating));
}
