#include "frontoffice/salaries.h"

#include <cstdint>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"

namespace {
// Minimum salary in thousands by credited seasons 0-10.
constexpr int32_t MINIMUM_SALARY[11] = {495, 570, 645, 720, 805, 805, 805, 915, 915, 915, 1015};

int32_t Round_Half_Up_Per_Mille(int64_t amount, int64_t factor) {
    int64_t product = amount * factor;
    int64_t result = product >= 0 ? (product + 500) / 1000 : -((-product + 499) / 1000);
    if (result > INT32_MAX) return INT32_MAX;
    if (result < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(result);
}
} // namespace

int32_t Get_Base_Cash() {
    return Round_Half_Up_Per_Mille(26025000, Get_Universe_Stat(INFLATION_FACTOR));
}

int32_t Apply_Inflation(int32_t amount) {
    return Round_Half_Up_Per_Mille(amount, Get_Universe_Stat(INFLATION_FACTOR));
}

int32_t Get_League_Minimum_Salary(int32_t years) {
    return MINIMUM_SALARY[Clamp_Int(0, 10, years)];
}

int32_t Get_Player_Minimum_Salary(int32_t team, int32_t slot) {
    int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    return Get_League_Minimum_Salary(years < 0 ? 0 : years);
}

int32_t Scale_To_Base_Cap(int32_t amount) {
    int64_t cap = Get_Universe_Stat(SALARY_CAP);
    if (cap == 0) cap = static_cast<int64_t>(208200000) * Get_Universe_Stat(INFLATION_FACTOR) / 1000;
    if (cap == 0) return amount;
    int64_t scaled = static_cast<int64_t>(amount) * 55000000 / cap;
    if (scaled > INT32_MAX) return INT32_MAX;
    if (scaled < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(scaled);
}
