#include "frontoffice/trade_values.h"

#include <algorithm>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/team_finances.h"
#include "frontoffice/player_potential.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salaries.h"
#include "season/season_calendar.h"

namespace {
constexpr int32_t LOW_POTENTIAL = 65;
constexpr int32_t AGE_FACTORS[25] = {150, 145, 140, 135, 130, 125, 120, 115, 110, 105, 100, 95, 90,
                                     85,  80,  75,  70,  65,  60,  55,  50,  40,  30,  20,  10};
constexpr int32_t FIRST_FACTOR_AGE = 20;
constexpr int32_t STANDARD_SALARY_FLOOR = 1000;
} // namespace

// The young player's blend with his potential waits for the rating value
// scale of the salary model; his value is his present worth.
int32_t Get_Player_Trade_Value(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    if (static_cast<int32_t>(Get_Player_Potential(team, slot)) < LOW_POTENTIAL) return 0;
    const int32_t value = Get_Player_Value(team, slot);
    return Mul_Div_Round(value, value, 2750);
}

int32_t Apply_Trade_Age_Factor(int32_t team, int32_t slot, int32_t amount) {
    const int32_t age = Get_Player_Calendar_Age(team, slot);
    const int32_t index = std::clamp(age - FIRST_FACTOR_AGE, 0, 24);
    return Mul_Div_Round(amount, AGE_FACTORS[index], 100);
}

int32_t Get_Player_Trade_Value_For_Team(int32_t receiving_team, int32_t team, int32_t slot, int32_t weight) {
    if (!Is_Player_Slot_Used(team, slot)) return 0;
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    if (years <= 1 && Is_Champion_Decided() && Is_Human_Team(team)) return 0;
    const int32_t n = std::max(years, 1);
    const int32_t worth = Mul_Div_Round(Get_Player_Trade_Value(team, slot), n + 3, 10);
    const int32_t salary = Scale_To_Base_Cap(Get_Player_Vital_Stat(team, slot, VITAL_SALARY));
    int32_t cost = std::max(salary - STANDARD_SALARY_FLOOR, 0) * n / (n + 1);
    cost = Mul_Div_Round(cost, 3000, Get_Team_Financial_Stat(receiving_team, 98) + 2000);
    cost = Mul_Div_Round(cost, Get_Team_Financial_Stat(receiving_team, 99) + 1000, 2000);
    cost = Mul_Div_Round(cost, 3000, Get_Team_Financial_Stat(receiving_team, 100) + 2000);
    cost = Mul_Div_Round(cost, weight, 1000);
    return Apply_Trade_Age_Factor(team, slot, worth - cost);
}
