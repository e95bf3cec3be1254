#include "personnel/random_ratings.h"

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "personnel/personnel_settings.h"
#include "personnel/random_ratings_tables.h"

namespace {
constexpr int32_t NUMBER_OF_TALENTS = 4;

int32_t Talent_Term(const int32_t talent[NUMBER_OF_TALENTS], int8_t which, int8_t divisor) {
    return which == NO_TALENT ? 0 : talent[which] / divisor;
}

void Store_Rating(int32_t team, int32_t slot, int32_t rating, int32_t value) {
    Set_Player_Rating(team, slot, rating, static_cast<float>(value));
}
} // namespace

void Randomize_Player_Ratings(int32_t team, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
    const bool known = position >= 0 && position < NUMBER_OF_POSITIONS;
    // Every draw is its own statement: the order of the draws is the order written.
    int32_t health = 75 + Random_Below(20);
    health -= Random_Below(20);
    Store_Rating(team, slot, RATING_HEALTH, health);
    int32_t durability = health / 2 + 37 + Random_Below(10);
    durability -= Random_Below(10);
    Store_Rating(team, slot, RATING_DURABILITY, durability);
    for (int32_t rating = RATING_ACCURACY; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        Store_Rating(team, slot, rating, 20 + Random_Below(11));

    // Each talent value is uniform over R values centred near 50 + (T1 + G / 2) / 2.
    const int32_t mean = Get_Draft_Talent(TALENT_MEAN, position);
    const int32_t spread = Get_Draft_Talent(TALENT_SPREAD, position);
    const int32_t range = spread / 2 + 100;
    const int32_t shift = -(spread / 2) / 2 + (mean + Get_Draft_Talent_Factor() / 2) / 2;
    int32_t talent[NUMBER_OF_TALENTS];
    for (int32_t& value : talent)
        value = Random_Below(range) + shift;
    if (!known) return;

    const RATING_PROFILE& profile = RATING_PROFILES[position];
    for (int32_t n = 0; n < profile.Count; ++n) {
        const RATING_FORMULA& f = profile.Formulas[n];
        int32_t value = f.Base + Talent_Term(talent, f.Talent_A, f.Divisor_A) +
                        Talent_Term(talent, f.Talent_B, f.Divisor_B);
        if (f.Random > 0) value += Random_Below(f.Random);
        Store_Rating(team, slot, f.Rating, value);
    }
}
