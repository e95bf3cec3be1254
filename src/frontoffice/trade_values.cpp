// Player trade values.
#include "frontoffice/trade_values.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_value.h"
#include "frontoffice/rating_bounds.h"
#include "frontoffice/rating_value.h"
#include "frontoffice/salaries.h"
#include "personnel/draft_order.h"
#include "personnel/draft_state.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t AGE_FACTOR[25] = {150, 145, 140, 135, 130, 125, 120, 115, 110, 105, 100, 95, 90,
                                    85,  80,  75,  70,  65,  60,  55,  50,  40,  30,  20,  10};
constexpr int32_t MIN_TRADE_POTENTIAL = 65;
constexpr int32_t MAX_GROWTH_YEARS = 7;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t TEAM_STAT_PICKS_TRADED = 8;

// Pick values by round at the first pick (and, last, the end of round 7) and
// at the middle of each round, on a scale where the first overall pick is 3000.
constexpr int32_t PICK_FIRST_ANCHOR[NUMBER_OF_DRAFT_ROUNDS + 1] = {3000, 580, 265, 112, 43, 27, 14, 2};
constexpr int32_t PICK_MIDDLE_ANCHOR[NUMBER_OF_DRAFT_ROUNDS] = {975, 415, 187, 67, 33, 21, 8};
constexpr int32_t FIRST_OVERALL_PICK_VALUE = 14800;

// A salary's weight in trades ($K on the standard cap): what it costs above
// a million a year, a year of it discounted.
int64_t Salary_Trade_Cost(int32_t team, int32_t slot, int32_t years) {
    const int32_t salary = Scale_To_Reference_Cap(Get_Player_Vital_Stat(team, slot, VITAL_SALARY));
    return static_cast<int64_t>(salary > 1000 ? salary - 1000 : 0) * years / (years + 1);
}

int32_t Contract_Years_At_Least_One(int32_t team, int32_t slot) {
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    return years < 1 ? 1 : years;
}
} // namespace

int32_t Get_Player_Trade_Value(int32_t team, int32_t slot) {
    const int32_t potential = Truncate_Rating(Get_Player_Potential(team, slot));
    if (potential < MIN_TRADE_POTENTIAL) return 0;
    int32_t value = Get_Player_Value(team, slot);
    int32_t growth = Get_Player_Vital_Stat(team, slot, VITAL_PEAK_AGE) - Get_Player_Calendar_Age(team, slot);
    if (growth > 0) {
        // A young player is valued partly on what he will become.
        if (growth > MAX_GROWTH_YEARS) growth = MAX_GROWTH_YEARS;
        const int32_t future = Get_Potential_Rating_Value(team, slot);
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
    const int32_t rating = Truncate_Rating(Ensure_Player_Minimum_Rating(team, slot));
    if (base == 0) base = Get_Player_Trade_Value(team, slot);
    const int32_t years = Contract_Years_At_Least_One(team, slot);
    int64_t cost = Salary_Trade_Cost(team, slot, years);
    if (rating > 70) cost = Mul_Div_Round_64(cost, 70, rating);
    int32_t value = Apply_Trade_Age_Factor(team, slot, Clamp_To_Int32(base - cost));
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

int64_t Get_Roster_Trade_Value(int32_t team) {
    int64_t total = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) total += Get_Player_Net_Trade_Value(team, slot, 0);
    return 2000 * total;
}

int32_t Get_Player_Role_For_Team(int32_t team_t, int32_t team_p, int32_t slot) {
    const int32_t position = Get_Player_Vital_Stat(team_p, slot, VITAL_POSITION);
    const int32_t last = Get_Last_Starter_At_Position(team_t, position);
    const int32_t last_value = last >= 0 ? Get_Player_Value(team_t, last) : 0;
    if (Get_Player_Value(team_p, slot) > last_value) return 0;
    return Get_Player_Calendar_Age(team_p, slot) < Get_Player_Vital_Stat(team_p, slot, VITAL_PEAK_AGE) ? 2
                                                                                                       : 1;
}

int32_t Get_Draft_Pick_Trade_Value(int32_t year, int32_t round, int32_t place) {
    if (round < 0 || round >= NUMBER_OF_DRAFT_ROUNDS) return 0;
    const int32_t half = Count_Active_Teams() / 2;
    const int32_t first = PICK_FIRST_ANCHOR[round], middle = PICK_MIDDLE_ANCHOR[round];
    int32_t value;
    if (place < half)
        value = first - Mul_Div_Round(first - middle, place, half);
    else
        value = middle - Mul_Div_Round(middle - PICK_FIRST_ANCHOR[round + 1], place - half, half);
    int32_t worth = Mul_Div_Round(value, FIRST_OVERALL_PICK_VALUE, 3000);
    // A fifth less for each draft further away.
    for (int32_t n = 0; n < year; ++n)
        worth = Mul_Div_Round(worth, 800, 1000);
    return worth;
}

int32_t Get_Offer_Picks_Value(const TRADE_OFFER* offer, int32_t side) {
    if (offer == nullptr || side < 0 || side > 1) return 0;
    const int32_t team = Get_Trade_Side_Team(*offer, side);
    const int32_t players = Get_First_Empty_Player_Slot(team);
    int64_t total = 0;
    int32_t picks = 0;
    for (int32_t item : offer->Items[side]) {
        if (!Is_Trade_Item_Present(item) || item < players) continue;
        int32_t year = 0, round = 0, issuer = 0;
        if (!Find_Team_Draft_Pick(team, item - players, &year, &round, &issuer)) continue;
        if (!Is_College_Draft_Underway() && Get_User_Preference(CURRENT_WEEK) != OFF_SEASON_WEEK)
            Set_Projected_Draft_Order();
        total += Get_Draft_Pick_Trade_Value(year, round, Get_Team_Draft_Position(issuer));
        ++picks;
    }
    if (picks == 0) return 0;
    if (Is_Human_Team(team)) {
        // A human team's picks lose a tenth for each further pick in the offer
        // and a fifth for each pick traded away before, at most 70 %.
        int64_t discount = (picks + 2LL * Get_Team_Stat(team, TEAM_STAT_PICKS_TRADED)) * 100 - 100;
        if (discount > 700) discount = 700;
        return Clamp_To_Int32(Mul_Div_Round_64(total, 1000 - discount, 1000));
    }
    if (picks >= 2) return Clamp_To_Int32(Mul_Div_Round_64(total, (picks + 4) * 200, 1000));
    return Clamp_To_Int32(total);
}

int32_t Get_Player_Trade_Value_For_Team(int32_t team_t, int32_t team_p, int32_t slot, int32_t weight) {
    const int32_t contract_years = Get_Player_Vital_Stat(team_p, slot, VITAL_CONTRACT_YEARS);
    // Expiring contracts of human teams are worthless after the final.
    if (contract_years <= 1 && Is_Champion_Decided() && Is_Human_Team(team_p)) return 0;
    const int32_t years = Contract_Years_At_Least_One(team_p, slot);
    const int64_t worth = Mul_Div_Round_64(Get_Player_Trade_Value(team_p, slot), years + 3, 10);
    // A rich team feels a salary less, a team with a high payroll more.
    int64_t cost = Salary_Trade_Cost(team_p, slot, years);
    cost = Mul_Div_Round_64(cost, 3000, Get_Team_Financial_Stat(team_t, FINANCE_CASH_RATIO) + 2000);
    cost = Mul_Div_Round_64(cost, Get_Team_Financial_Stat(team_t, FINANCE_PAYROLL_RATIO) + 1000, 2000);
    cost = Mul_Div_Round_64(cost, 3000, Get_Team_Financial_Stat(team_t, FINANCE_VALUE_RATIO) + 2000);
    cost = Mul_Div_Round_64(cost, weight, 1000);
    return Apply_Trade_Age_Factor(team_p, slot, Clamp_To_Int32(worth - cost));
}
