#include "personnel/player_development.h"

#include <array>
#include <cmath>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/rating_normalisation.h"
#include "database/universe.h"
#include "frontoffice/contract_demand.h"
#include "personnel/contract_length.h"
#include "personnel/contract_renewal.h"
#include "personnel/personnel_settings.h"
#include "personnel/player_retirement.h"
#include "personnel/random_ratings.h"
#include "personnel/rating_adjustment.h"

namespace {
constexpr int32_t SPEED_LOSS_AGE = 25;
constexpr float SPEED_LOSS = 1.3f;
constexpr int32_t HIGH_RATING = 85;
constexpr int32_t REFLECTION_CEILING = 99;
constexpr int32_t DOUBLE_PULL_AGE = 30;
constexpr int32_t MOST_CREDITED_SEASONS = 30;
constexpr int32_t NORMAL_DECLINE_DIVISOR = 100;
// A growth rate above this reads as damaged and is drawn anew.
constexpr int32_t HIGHEST_GROWTH_RATE = 250;
// Health and Durability above this are read from the player's statistics.
constexpr float HIGHEST_HEALTH_READ = 120.0f;

// Overall above 80 is pulled back toward the pack, more often the higher he is.
void Revert_Star_To_Mean(int32_t team, int32_t slot) {
    float overall = Evaluate_Player_At_Own_Position(team, slot);
    if (overall < 25.0f) {
        Randomize_Player_Ratings(team, slot);
        overall = Evaluate_Player_At_Own_Position(team, slot);
    }
    const int32_t whole = static_cast<int32_t>(overall);
    if (whole <= 80) return;
    const int32_t r = static_cast<int32_t>(100.0f * Random_Float(1.0f));
    const int32_t t = Mul_Div_Round(whole - 80, Get_Reversion_To_Mean() + 100, 100);
    if (r < t) Modify_Player_Ratings(team, slot, -(static_cast<float>(t - r) / 1000.0f + 0.01f), false);
}

constexpr std::array<int32_t, NUMBER_OF_PLAYER_RATINGS> ALL_RATINGS = [] {
    std::array<int32_t, NUMBER_OF_PLAYER_RATINGS> all{};
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        all[static_cast<size_t>(rating)] = rating;
    return all;
}();

// Ratings near the top of the scale are pulled down: with chance in the yearly
// step, by their expected amount in a projection. `get` and `set` read and
// write one rating, in the order of `ratings` (all of them by default).
template <typename GET, typename SET>
void Pull_High_Ratings(int32_t age, int32_t yearly, GET get, SET set,
                       const int32_t* ratings = ALL_RATINGS.data(),
                       int32_t count = NUMBER_OF_PLAYER_RATINGS) {
    const float k = static_cast<float>(Get_Reversion_To_Mean() + 100) / 400.0f;
    for (int32_t n = 0; n < count; ++n) {
        const int32_t rating = ratings[n];
        float v = get(rating);
        // A rating pushed past 99 is reflected back below it and kept there,
        // whatever the pull does next.
        const bool reflected = v > REFLECTION_CEILING;
        if (reflected) {
            v = 198.0f - v;
            if (v < MINIMUM_RATING) v = MINIMUM_RATING;
        }
        if (v <= HIGH_RATING) {
            if (reflected) set(rating, v);
            continue;
        }
        const float above = v - static_cast<float>(HIGH_RATING);
        float d = 0.0f;
        if (yearly) {
            const float p = above * above / 250.0f;
            if (Random_Float(1.0f) < p) d = Random_Float(1.0f) * p * 3.0f;
        } else {
            d = above * above * above * above / 41666.7f;
        }
        d *= k;
        if (age > DOUBLE_PULL_AGE) d *= 2.0f;
        set(rating, v - d);
    }
}
} // namespace

float Get_Development_Amount(int32_t team, int32_t slot, int32_t yearly) {
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t growth_age = Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE);
    const int32_t decline_age = Get_Player_Vital_Stat(team, slot, VITAL_FIRST_DECLINE_AGE);
    float amount = 0.0f;
    if (age < growth_age) {
        amount = static_cast<float>(Get_Player_Vital_Stat(team, slot, VITAL_GROWTH_RATE)) / 100.0f * 2.0f;
    } else if (age > decline_age) {
        const int32_t position = Get_Player_Vital_Stat(team, slot, VITAL_POSITION);
        const float middle = static_cast<float>(Get_Position_Peak_Age(position) + decline_age) * 0.5f;
        const float f = static_cast<float>(age) <= middle ? -1.0f : -(static_cast<float>(age) - middle);
        // A record without a decline divisor (older files) declines at the normal rate.
        int32_t divisor = Get_Player_Vital_Stat(team, slot, VITAL_DECLINE_DIVISOR);
        if (divisor <= 0) divisor = NORMAL_DECLINE_DIVISOR;
        amount = static_cast<float>(Get_Player_Aging_Factor() + 100) / static_cast<float>(divisor) * f;
    }
    if (yearly) {
        const float u1 = Random_Float(1.0f);
        const float u2 = Random_Float(1.0f);
        amount += 2.0f * u1 - 2.0f * u2;
    }
    return amount;
}

void Develop_Player(int32_t team, int32_t slot, int32_t yearly) {
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t growth_age = Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE);
    const int32_t decline_age = Get_Player_Vital_Stat(team, slot, VITAL_FIRST_DECLINE_AGE);
    const float adjustment = Get_Development_Amount(team, slot, yearly) / 100.0f;
    if (age < growth_age || age > decline_age) Modify_Player_Ratings(team, slot, adjustment, true);
    if (age > SPEED_LOSS_AGE)
        Set_Player_Rating(team, slot, RATING_SPEED, Get_Player_Rating(team, slot, RATING_SPEED) - SPEED_LOSS);
    if (yearly) Revert_Star_To_Mean(team, slot);
    Pull_High_Ratings(
        age, yearly, [&](int32_t rating) { return Get_Player_Rating(team, slot, rating); },
        [&](int32_t rating, float value) { Set_Player_Rating(team, slot, rating, value); });
}

bool Project_Development(int32_t team, int32_t slot, int32_t years, float* ratings) {
    if (!Is_Player_Address(team, slot)) return false;
    const PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    // A damaged growth rate is drawn anew when read: the steps on the record do that.
    if (player.Vital_Stats[VITAL_GROWTH_RATE] > HIGHEST_GROWTH_RATE) return false;
    // A step reads nothing it writes but ratings: its amount is the same every year.
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t growth_age = Get_Player_Vital_Stat(team, slot, VITAL_LAST_GROWTH_AGE);
    const int32_t decline_age = Get_Player_Vital_Stat(team, slot, VITAL_FIRST_DECLINE_AGE);
    const float adjustment = Get_Development_Amount(team, slot, 0) / 100.0f;
    const bool modify = age < growth_age || age > decline_age;
    // An oversized adjustment is reported at every step.
    if (modify && std::fabs(adjustment) > 1.0f) return false;
    const bool* used = Get_Ratings_Used_By_Position(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
    memcpy(ratings, player.Ratings, sizeof player.Ratings);
    // The accessors' checks: a read they would repair or a write they would
    // report leaves the steps to them.
    bool as_stored = true;
    const auto get = [&](int32_t rating) {
        const float value = ratings[rating];
        if (!(value >= MINIMUM_RATING) || (rating <= RATING_DURABILITY && value > HIGHEST_HEALTH_READ))
            as_stored = false;
        return value;
    };
    const auto set = [&](int32_t rating, float value) {
        if (!(value >= -1000.0f && value <= 1000.0f)) as_stored = false;
        ratings[rating] = value;
    };
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
        get(rating);
    // The ratings the adjustment moves: those of his position, but Speed,
    // which growth never raises. The others are written back as read, and
    // every one of them is read again by the pull in the same step.
    int32_t moved[NUMBER_OF_PLAYER_RATINGS];
    int32_t moved_count = 0;
    if (modify && adjustment != 0.0f)
        for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
            if (used[rating] && !(adjustment > 0.0f && rating == RATING_SPEED)) moved[moved_count++] = rating;
    // The ratings the pull can change: those that move, Speed once it fades,
    // and those above the pull's threshold. Any other stays where it is, below
    // the threshold, and a projection's pull takes no draws, so the order of
    // the others does not matter.
    const bool fading = age > SPEED_LOSS_AGE;
    int32_t pulled[NUMBER_OF_PLAYER_RATINGS];
    int32_t pulled_count = 0;
    for (int32_t rating = 0, n = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        const bool moves = n < moved_count && moved[n] == rating;
        if (moves) ++n;
        if (moves || (fading && rating == RATING_SPEED) || ratings[rating] > HIGH_RATING)
            pulled[pulled_count++] = rating;
    }
    for (int32_t year = 0; year < years && as_stored; ++year) {
        for (int32_t n = 0; n < moved_count; ++n) {
            const int32_t rating = moved[n];
            set(rating, Adjust_Rating_Value(rating, get(rating), adjustment, true));
        }
        if (fading) set(RATING_SPEED, get(RATING_SPEED) - SPEED_LOSS);
        Pull_High_Ratings(age, 0, get, set, pulled, pulled_count);
    }
    return as_stored;
}

int32_t Advance_Player_Year(int32_t team, int32_t slot) {
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
    const int32_t credited = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    Develop_Player(team, slot, 1);
    if (credited > 0) {
        Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS,
                              credited + 1 < MOST_CREDITED_SEASONS ? credited + 1 : MOST_CREDITED_SEASONS);
    } else if (Get_Player_Stat(team, slot, SEASON_CAREER, 0) != 0) {
        // A player who never played keeps his count.
        Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 1);
    }
    if (team >= FREE_AGENT_TEAM) {
        Set_Player_Contract_Demand(team, slot, 0);
        return Check_Player_Retirement(team, slot) ? 0 : 1;
    }
    if (years - 1 > 0) {
        Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years - 1);
        if (bonus != 0)
            Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, Mul_Div_Round(bonus, years - 1, years));
        return 1;
    }
    const int32_t stays = Check_Renew_Contract(team, slot, 1);
    // A player who left no longer holds the slot: only a kept one is checked.
    if (stays != 0 && Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS) < 0)
        Report_System_Error("Check_Renew_Contract yielded negative contract length.");
    return stays;
}
