// Market, price level, franchise value and dividend of a team.
#include "frontoffice/team_revenue.h"

#include <cstdlib>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "engine/pregame_setup.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/money.h"
#include "frontoffice/trade_values.h"

namespace {
constexpr int32_t CITY_POPULATION = 0;
constexpr int32_t CITY_REGION_POPULATION = 1;
constexpr int32_t CITY_LONGITUDE = 5;
constexpr int32_t CITY_LATITUDE = 6;
constexpr int32_t STADIUM_KIND = 1;
constexpr int32_t PREMIUM_STADIUM = 2;
constexpr int32_t MARKET_RADIUS = 2000;
constexpr int32_t RICH_CASH = 100000000;
constexpr int32_t PAYROLL_YARDSTICK = 135330000;
constexpr int32_t STANDARD_MARKET = 112260;
constexpr int32_t STANDARD_FRANCHISE_VALUE = 1457400;

int32_t Premium_For_Stadium(int32_t team, int32_t amount) {
    return Get_Team_Stadium_Stat(team, STADIUM_KIND) == PREMIUM_STADIUM ? Mul_Div_Round(amount, 1100, 1000)
                                                                        : amount;
}
} // namespace

int32_t Get_Team_Market_Share(int32_t team) {
    const int32_t longitude = Get_Team_City_Stat(team, CITY_LONGITUDE);
    const int32_t latitude = Get_Team_City_Stat(team, CITY_LATITUDE);
    int64_t crowding = 0;
    for (int32_t other = 0; other < MAX_FRANCHISES; ++other) {
        if (other == team || !Is_Active_Team(other)) continue;
        const int64_t distance =
            std::llabs(static_cast<int64_t>(Get_Team_City_Stat(other, CITY_LONGITUDE)) - longitude) +
            std::llabs(static_cast<int64_t>(Get_Team_City_Stat(other, CITY_LATITUDE)) - latitude);
        if (distance < MARKET_RADIUS)
            crowding += Mul_Div_Round_64(MARKET_RADIUS - distance, 500, MARKET_RADIUS);
    }
    return Clamp_To_Int32(Mul_Div_Round_64(1500000, 1, 1500 + crowding));
}

int32_t Get_Team_Market_Size(int32_t team) {
    if (!Is_Team_Record_Slot(team)) return 0;
    int64_t half = (static_cast<int64_t>(Get_Team_City_Stat(team, CITY_POPULATION)) +
                    Get_Team_City_Stat(team, CITY_REGION_POPULATION) + 3500000) /
                   2;
    if (half > 1000000000) half = 1000000000;
    if (half < -1000000000) half = -1000000000;
    const int32_t size = Rounded_Signed_Sqrt(static_cast<int32_t>(half)) * 70;
    return Mul_Div_Round(size, Get_Team_Market_Share(team), 1000);
}

int32_t Adjust_Revenue_For_Cash(int32_t team, int32_t price_level) {
    const int64_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
    const int64_t base = Get_Base_Cash();
    int64_t factor = 1000;
    if (cash > RICH_CASH)
        factor = Mul_Div_Round_64(100000000000LL, 1, cash);
    else if (cash < -base)
        factor = Mul_Div_Round_64(cash, 1000, -base);
    else
        return price_level;
    return Clamp_To_Int32(Mul_Div_Round_64(price_level, factor, 1000));
}

int32_t Adjust_Revenue_For_Payroll(int32_t team, int32_t price_level) {
    const int64_t yardstick =
        Mul_Div_Round_64(PAYROLL_YARDSTICK, Get_Universe_Stat(INFLATION_FACTOR), 1000) / 1000;
    const int64_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    if (payroll >= yardstick || Is_Human_Team(team)) return price_level;
    const int64_t factor = Mul_Div_Round_64(2 * yardstick, 1000, yardstick + payroll);
    return Clamp_To_Int32(Mul_Div_Round_64(price_level, factor, 1000));
}

int32_t Estimate_Team_Revenue(int32_t team) {
    if (!Is_Team_Record_Slot(team)) return 1;
    int32_t x = Mul_Div_Round(Get_Team_Per_Capita_Income(team), 10000, STANDARD_INCOME);
    x = Mul_Div_Round(Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY), x, 1000);
    x = Premium_For_Stadium(team, x);
    if (Is_Human_Team(team)) x = Mul_Div_Round(x, (11 - Get_User_Preference(DIFFICULTY_LEVEL)) * 100, 1000);
    x = Adjust_Revenue_For_Cash(team, x);
    x = Adjust_Revenue_For_Payroll(team, x);
    x = Mul_Div_Round(x, 1000, Get_Effective_Wealth_Factor());
    x = Mul_Div_Round(x, 100 + Get_Universe_Stat(LEAGUE_REVENUE_PERCENT), 100);
    const int32_t level = Apply_Inflation(x);
    return level > 1 ? level : 1;
}

int32_t Compute_Franchise_Value(int32_t team) {
    const int32_t market = Mul_Div_Round(Get_Team_Market_Size(team), 1000, STANDARD_MARKET);
    const int32_t income = Get_Team_Income_Ratio(team);
    int64_t value = Mul_Div_Round_64(market + 500, STANDARD_FRANCHISE_VALUE, 1500);
    value = Mul_Div_Round_64(income + 500, value, 1500);
    value = Mul_Div_Round_64(value, Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY), 1000);
    value = Mul_Div_Round_64(Get_Stadium_Seating_Rating(team) + 500, value, 1500);
    value = Premium_For_Stadium(team, Clamp_To_Int32(value));
    value += Get_Roster_Trade_Value(team) / 1000;
    const int32_t franchise_value = Apply_Inflation(Clamp_To_Int32(value));
    Set_Team_Financial_Stat(team, FINANCE_FRANCHISE_VALUE, franchise_value);
    return franchise_value;
}

int32_t Get_Owner_Dividend_Per_Game(int32_t team) {
    const int64_t value = Compute_Franchise_Value(team);
    const int64_t standard =
        Mul_Div_Round_64(STANDARD_FRANCHISE_VALUE, Get_Universe_Stat(INFLATION_FACTOR), 1000);
    const int64_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
    const int64_t base = Get_Base_Cash();
    const int32_t games = Get_Games_Per_Season();
    // A season without games pays no dividend per game.
    if (games <= 0) return 0;
    int64_t dividend = (20 * value + 30 * standard) / games;
    if (cash < base) {
        int64_t share = Mul_Div_Round_64(cash + base, 900, 2 * base);
        share = (share > 0 ? share : 0) + 100;
        if (Is_Human_Team(team)) {
            const int64_t level = Get_User_Preference(DIFFICULTY_LEVEL);
            share = (1000 * level + (3 - level) * share) / 3;
        }
        dividend = Mul_Div_Round_64(dividend, share, 1000);
    }
    // A franchise worth nothing gives no ratio of cash to value to pay out by.
    if (value > 0 && cash > 20 * value)
        dividend = Mul_Div_Round_64(dividend, Mul_Div_Round_64(cash, 1000, 20 * value), 1000);
    return Clamp_To_Int32(dividend);
}

void Set_Team_Dividend_Stat(int32_t team, int32_t dividend) {
    Set_Team_Financial_Stat(team, FINANCE_DIVIDEND_GAME, dividend);
}
