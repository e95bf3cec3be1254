// Money operations shared by the salary and finance models.
#include "frontoffice/money.h"

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"

namespace {
constexpr int32_t BASE_CASH = 26025000;
constexpr int32_t CITY_PER_CAPITA_INCOME = 3;
} // namespace

int64_t Mul_Div_Round_64(int64_t a, int64_t b, int64_t c) {
    if (a == 0 || c == 0) return 0;
    // Factors within 32 bits, as nearly all are: the product is below 2^62 and
    // with half the divisor below 2^64, so the same sums are made in 64 bits
    // without the slow 128-bit division.
    if (a == static_cast<int32_t>(a) && b == static_cast<int32_t>(b)) {
        const int64_t product = a * b;
        const bool negative = (product < 0) != (c < 0);
        const uint64_t magnitude =
            product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
        const uint64_t divisor = c < 0 ? 0 - static_cast<uint64_t>(c) : static_cast<uint64_t>(c);
        const auto quotient = static_cast<int64_t>((magnitude + divisor / 2) / divisor);
        return negative ? -quotient : quotient;
    }
    const __int128 product = static_cast<__int128>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const __int128 magnitude = product < 0 ? -product : product;
    const __int128 divisor = c < 0 ? -static_cast<__int128>(c) : static_cast<__int128>(c);
    __int128 quotient = (magnitude + divisor / 2) / divisor;
    if (negative) quotient = -quotient;
    if (quotient > INT64_MAX) return INT64_MAX;
    if (quotient < INT64_MIN) return INT64_MIN;
    return static_cast<int64_t>(quotient);
}

int32_t Apply_Inflation(int32_t amount) {
    return Clamp_To_Int32(Mul_Div_Round_64(amount, Get_Universe_Stat(INFLATION_FACTOR), 1000));
}

int32_t Get_Base_Cash() {
    return Apply_Inflation(BASE_CASH);
}

int32_t Get_Money_Step(int32_t amount) {
    if (amount > 1500) return 200;
    if (amount > 750) return 100;
    if (amount > 375) return 50;
    if (amount > 150) return 25;
    if (amount > 75) return 10;
    if (amount > 35) return 5;
    if (amount >= 16) return 2;
    return 1;
}

int32_t Get_Money_Step_Dollars() {
    return Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR)) * 1000;
}

int32_t Round_To_Money_Step(int32_t amount) {
    const int64_t step = Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR));
    const int64_t lifted = static_cast<int64_t>(amount) + step / 2;
    return Clamp_To_Int32(lifted - lifted % step);
}

int32_t Floor_To_Step(int32_t amount, int32_t step) {
    return step > 0 ? amount - amount % step : amount;
}

int32_t Get_Games_Per_Season() {
    return Get_Universe_Stat(GAMES_PER_SEASON);
}

bool Is_Owner_Mode() {
    return Get_User_Preference(OWNER_MODE) == 1;
}

bool Is_Post_Season_Week() {
    const int32_t season_end = Universe.Season_Length > 2 ? Universe.Season_Length : 2;
    return Get_User_Preference(CURRENT_WEEK) > season_end;
}

bool Is_Draft_Pool_Team(int32_t team) {
    return team >= FIRST_COLLEGE_POOL_TEAM && team < TOTAL_NUMBER_OF_TEAMS;
}

int32_t Get_Team_Per_Capita_Income(int32_t team) {
    return Get_Team_City_Stat(team, CITY_PER_CAPITA_INCOME);
}

int32_t Get_Team_Income_Ratio(int32_t team) {
    return Mul_Div_Round(Get_Team_Per_Capita_Income(team), 1000, STANDARD_INCOME);
}

int32_t Get_Team_Payroll_Budget(int32_t team) {
    const int64_t cap = Mul_Div_Round_64(BASE_YEAR_CAP, Get_Universe_Stat(INFLATION_FACTOR), 1000);
    const int64_t revenue = Get_Team_Financial_Stat(team, FINANCE_PROJECTED_REVENUE);
    const int64_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
    return Clamp_To_Int32((revenue + cap) / 2 + (cash - Get_Base_Cash()) / 4);
}

int64_t Sum_Active_Team_Financial_Stat(int32_t n, int32_t* teams) {
    int64_t total = 0;
    int32_t count = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        total += Get_Team_Financial_Stat(team, n);
        ++count;
    }
    if (teams != nullptr) *teams = count;
    return total;
}

int32_t Get_Cap_Or_Payroll_Budget(int32_t team) {
    const int32_t cap = Get_Universe_Stat(SALARY_CAP);
    return cap != 0 ? cap : Get_Team_Payroll_Budget(team);
}

int32_t Get_Team_Payroll_Per_Game(int32_t team) {
    const int32_t games = Get_Games_Per_Season();
    if (games <= 0) return 0;
    int64_t total = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot))
            total += Mul_Div_Round_64(Get_Player_Vital_Stat(team, slot, VITAL_SALARY), 1000, games);
    return Clamp_To_Int32(total);
}

int32_t Get_Team_Operating_Expenses(int32_t team) {
    const int64_t income = Get_Team_Per_Capita_Income(team);
    return Apply_Inflation(Clamp_To_Int32((income + STANDARD_INCOME) * 20));
}

void Add_Team_Financial_Stat(int32_t team, int32_t n, int64_t amount) {
    Set_Team_Financial_Stat(team, n, Clamp_To_Int32(Get_Team_Financial_Stat(team, n) + amount));
}
