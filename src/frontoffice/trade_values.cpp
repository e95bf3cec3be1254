// Player trade values.
#include "frontoffice/trade_values.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/team_finances.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_value.h"
#include "frontoffice/rating_value.h"
#include "frontoffice/salaries.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t AGE_FACTOR[25] = {150, 145, 140, 135, 130, 125, 120, 115, 110, 105, 100, 95, 90,
                                    85,  80,  75,  70,  65,  60,  55,  50,  40,  30,  20,  10};
constexpr int32_t MIN_TRADE_POTENTIAL = 65;
constexpr int32_t MAX_GROWTH_YEARS = 7;
} // namespace

int32_t Get_Player_Trade_Value(int32_t team, int32_t slot) {
    const float potential = Get_Player_Potential(team, slot);
    if (static_cast<int32_t>(potential) < MIN_TRADE_POTENTIAL) return 0;
    int32_t value = Get_Player_Value(team, slot);
    int32_t growth = Get_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE) - Get_Player_Calendar_Age(team, slot);
    if (growth > 0) {
        // A young player is valued partly on what he will become.
        if (growth > MAX_GROWTH_YEARS) growth = MAX_GROWTH_YEARS;
        int32_t future = Get_Rating_Value(team, slot, potential);
        if (future < 0) future = 0;
        value =
            Mul_Div_Round((15 - growth) * 50, value, 1000) + Mul_Div_Round((growth + 5) * 50, future, 1000);
    }
    return Mul_Div_Round(value, value, 2750);
}

int32_t Apply_Trade_Age_Factor(int32_t team, int32_t slot, int32_t amount) {
    const int32_t index = Clamp_Int(0, 24, Get_Player_Calendar_Age(team, slot) - 20);
    return Mul_Div_Round(amount, AGE_FACTOR[index], 100);
}

int32_t Get_Player_Net_Trade_Value(int32_t team, int32_t slot, int32_t base) {
    const int32_t rating = static_cast<int32_t>(Ensure_Player_Minimum_Rating(team, slot));
    const int32_t salary = Scale_To_Reference_Cap(Get_Player_Vital_Stat(team, slot, VITAL_SALARY));
    if (base == 0) base = Get_Player_Trade_Value(team, slot);
    int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    if (years < 1) years = 1;
    int64_t cost = static_cast<int64_t>(salary > 1000 ? salary - 1000 : 0) * years / (years + 1);
    if (rating > 70) cost = Mul_Div_Round(static_cast<int32_t>(cost), 70, rating);
    int32_t value = Apply_Trade_Age_Factor(team, slot, static_cast<int32_t>(base - cost));
    int32_t keep = 1000;
    const bool human = Is_Human_Team(team) != 0;
    if (value > 0 && human && years < 3) keep = 450 * years - 150;
    const int32_t weeks_out = Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT);
    if (weeks_out > 0) keep -= 30 * weeks_out;
    value = Mul_Div_Round(keep, value, 1000);
    const int32_t marker = Get_Player_Vital_Stat(team, slot, VITAL_LOADED_MARKER);
    if (marker < 18 && human) {
        value = Mul_Div_Round(marker - 4, value, 14);
        if (value < 0) value = 0;
    }
    return value;
}

int32_t Get_Player_Trade_Value_For_Team(int32_t receiving_team, int32_t team, int32_t slot, int32_t weight) {
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    // An expiring contract of a human team is worth nothing once the final is played.
    if (years <= 1 && Is_Champion_Decided() && Is_Human_Team(team)) return 0;
    const int32_t n = years > 1 ? years : 1;
    const int32_t worth = Mul_Div_Round(Get_Player_Trade_Value(team, slot), n + 3, 10);
    const int32_t salary = Scale_To_Reference_Cap(Get_Player_Vital_Stat(team, slot, VITAL_SALARY));
    int32_t cost =
        static_cast<int32_t>(static_cast<int64_t>(salary > 1000 ? salary - 1000 : 0) * n / (n + 1));
    // A rich team feels a salary less, one with a high payroll or value more.
    cost = Mul_Div_Round(cost, 3000, Get_Team_Financial_Stat(receiving_team, 98) + 2000);
    cost = Mul_Div_Round(cost, Get_Team_Financial_Stat(receiving_team, 99) + 1000, 2000);
    cost = Mul_Div_Round(cost, 3000, Get_Team_Financial_Stat(receiving_team, 100) + 2000);
    cost = Mul_Div_Round(cost, weight, 1000);
    return Apply_Trade_Age_Factor(team, slot, worth - cost);
}

int64_t Get_Roster_Trade_Value(int32_t team) {
    int64_t total = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) total += Get_Player_Net_Trade_Value(team, slot, 0);
    return 2000 * total;
}
