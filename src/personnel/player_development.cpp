#include "personnel/player_development.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_hashes.h"
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
constexpr float WHOLE_RATING_PERCENT = 100.0f;
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

// The pull's strength, from the league's reversion to the mean.
float Get_Pull_Strength() {
    return static_cast<float>(Get_Reversion_To_Mean() + 100) / 400.0f;
}

// One rating read as `v` pulled down if it is near the top of the scale: with
// chance in the yearly step, by its expected amount in a projection. False
// when it stays as read; otherwise its new value in `pulled`.
bool Pull_High_Rating(float v, float k, int32_t age, int32_t yearly, float* pulled) {
    // A rating pushed past 99 is reflected back below it and kept there,
    // whatever the pull does next.
    const bool reflected = v > REFLECTION_CEILING;
    if (reflected) {
        v = 198.0f - v;
        if (v < MINIMUM_RATING) v = MINIMUM_RATING;
    }
    if (v <= HIGH_RATING) {
        *pulled = v;
        return reflected;
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
    *pulled = v - d;
    return true;
}

// Every rating near the top of the scale pulled down, in rating order; `get`
// and `set` read and write one rating.
template <typename GET, typename SET> void Pull_High_Ratings(int32_t age, int32_t yearly, GET get, SET set) {
    const float k = Get_Pull_Strength();
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        float pulled = 0.0f;
        if (Pull_High_Rating(get(rating), k, age, yearly, &pulled)) set(rating, pulled);
    }
}

// The ratings each position's adjustment moves, one bit a rating (the last
// row for a position out of range), worked out once from the table of uses.
static_assert(NUMBER_OF_PLAYER_RATINGS <= 32);
uint32_t Get_Used_Rating_Mask(int32_t position) {
    static const auto MASKS = [] {
        std::array<uint32_t, NUMBER_OF_POSITIONS + 1> masks{};
        for (int32_t row = 0; row <= NUMBER_OF_POSITIONS; ++row) {
            const bool* used = Get_Ratings_Used_By_Position(row);
            for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating)
                if (used[rating]) masks[static_cast<size_t>(row)] |= 1u << rating;
        }
        return masks;
    }();
    return MASKS[static_cast<uint32_t>(position) < NUMBER_OF_POSITIONS ? static_cast<size_t>(position)
                                                                       : NUMBER_OF_POSITIONS];
}

// The steps of one rating in a projection, worked out on `value`: `moves`
// when the adjustment moves it, `fades` for Speed once he is old enough, and
// the pull every step. False as soon as a read would be repaired (below 20,
// not a number, or Health and Durability above what is read from
// statistics) or a write reported (beyond 1000 either way).
bool Project_Rating_Steps(int32_t rating, int32_t years, bool moves, bool fades, float adjustment, float k,
                          int32_t age, float* value) {
    const float highest_read = rating <= RATING_DURABILITY ? HIGHEST_HEALTH_READ : INFINITY;
    const auto read_as_stored = [highest_read](float v) { return v >= MINIMUM_RATING && v <= highest_read; };
    const auto written_as_is = [](float v) { return v >= -1000.0f && v <= 1000.0f; };
    float v = *value;
    for (int32_t year = 0; year < years; ++year) {
        if (moves) {
            if (!read_as_stored(v)) return false;
            v = Adjust_Rating_Value(rating, v, adjustment, true);
            if (!written_as_is(v)) return false;
        }
        if (fades) {
            if (!read_as_stored(v)) return false;
            v -= SPEED_LOSS;
            if (!written_as_is(v)) return false;
        }
        if (!read_as_stored(v)) return false;
        float pulled = 0.0f;
        if (Pull_High_Rating(v, k, age, 0, &pulled)) {
            v = pulled;
            if (!written_as_is(v)) return false;
        }
    }
    *value = v;
    return true;
}

// One year of his contract is gone; the bonus still to be paid shrinks with it.
void Count_Down_Contract_Year(int32_t team, int32_t slot, int32_t years, int32_t bonus) {
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years - 1);
    if (bonus != 0)
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, Mul_Div_Round(bonus, years - 1, years));
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
    // A year's decline takes at most the whole of a rating: a player far past
    // any career (a league whose year moved far from its players' births)
    // loses no more than that.
    return amount < -WHOLE_RATING_PERCENT ? -WHOLE_RATING_PERCENT : amount;
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

void Develop_All_Players() {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        // The Hall of Fame's vitals 19 and 20 hold each member's induction
        // year and vote share, not development figures.
        if (team == HALL_OF_FAME_TEAM || !Is_Valid_Team_Code(team)) continue;
        For_Each_League_Player([](int32_t t, int32_t s) { Develop_Player(t, s, 0); }, team, team);
    }
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
    memcpy(ratings, player.Ratings, sizeof player.Ratings);
    // The accessors' checks: a read they would repair or a write they would
    // report leaves the steps to them. Every rating is read at least once.
    // The pull changes only those above its threshold.
    uint32_t touched = 0;
    for (int32_t rating = 0; rating < NUMBER_OF_PLAYER_RATINGS; ++rating) {
        if (!(ratings[rating] >= MINIMUM_RATING)) return false;
        if (ratings[rating] > HIGH_RATING) touched |= 1u << rating;
    }
    if (ratings[RATING_HEALTH] > HIGHEST_HEALTH_READ || ratings[RATING_DURABILITY] > HIGHEST_HEALTH_READ)
        return false;
    // The adjustment moves the ratings of his position, but Speed, which
    // growth never raises (the others are written back as read); Speed fades
    // once he is old enough. A rating none of these touch stays as it is.
    uint32_t moved = 0;
    if (modify && adjustment != 0.0f) {
        moved = Get_Used_Rating_Mask(Get_Player_Vital_Stat(team, slot, VITAL_POSITION));
        if (adjustment > 0.0f) moved &= ~(1u << RATING_SPEED);
    }
    const uint32_t faded = age > SPEED_LOSS_AGE ? 1u << RATING_SPEED : 0u;
    touched |= moved | faded;
    // A step reads and writes each rating on its own, and a projection's pull
    // takes no draws: each rating goes through all its steps in turn.
    const float k = Get_Pull_Strength();
    for (; touched != 0; touched &= touched - 1) {
        const int32_t rating = std::countr_zero(touched);
        const uint32_t bit = 1u << rating;
        if (!Project_Rating_Steps(rating, years, (moved & bit) != 0, (faded & bit) != 0, adjustment, k, age,
                                  &ratings[rating]))
            return false;
    }
    return true;
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
        Count_Down_Contract_Year(team, slot, years, bonus);
        return 1;
    }
    const int32_t id = Get_Player_ID(team, slot);
    const int32_t stays = Check_Renew_Contract(team, slot, 1);
    // Only a kept player is checked, found by his id: a report opened inside
    // the user's talk may have released players before him, who then stands
    // in another slot.
    int32_t now_slot = slot;
    if (stays == 0 || !Find_Player_On_Team(id, team, &now_slot)) return stays;
    const int32_t renewed = Get_Player_Vital_Stat(team, now_slot, VITAL_CONTRACT_YEARS);
    if (renewed < 0) Report_System_Error("Check_Renew_Contract yielded negative contract length.");
    // The talk is held as the season ends, and the new contract's first year
    // is that season: the talk offers "Two Year Extension" for three years.
    // That year runs down now, as every other contract's year does.
    if (renewed - 1 > 0)
        Count_Down_Contract_Year(team, now_slot, renewed,
                                 Get_Player_Vital_Stat(team, now_slot, VITAL_SIGNING_BONUS));
    return stays;
}
