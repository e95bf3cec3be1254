#include "frontoffice/franchise_finances.h"

#include <algorithm>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/team_finances.h"
#include "frontoffice/salaries.h"
#include "frontoffice/team_revenue.h"

namespace {
constexpr int32_t TICKET_PRICE = 1;
constexpr int32_t FOOD_PRICE = 20;
constexpr int32_t BEVERAGE_PRICE = 27;
constexpr int32_t SOUVENIR_PRICE = 34;
constexpr int32_t SCOUTING_BUDGET = 59;
constexpr int32_t MEDICAL_BUDGET = 62;
constexpr int32_t CASH_AGAINST_BASE = 98;
constexpr int32_t CAP_TOTAL = 89;
constexpr int32_t FRANCHISE_VALUE_AGAINST_YARDSTICK = 100;
} // namespace

// Until franchise values are kept, a new franchise starts with the league's
// standard cash level.
void Reset_Team_Cash(int32_t team) {
    Set_Team_Financial_Stat(team, FINANCIAL_STAT_CASH, Get_Base_Cash());
}

// Prices follow the revenue estimate; rounding them to money steps waits for
// the finance model.
void Set_Automatic_Team_Budgets(int32_t team) {
    const int32_t inflation = Get_Universe_Stat(INFLATION_FACTOR);
    int32_t estimate = Estimate_Team_Revenue(team);
    const int32_t cash_ratio = Get_Team_Financial_Stat(team, CASH_AGAINST_BASE);
    if (cash_ratio < 1000) estimate = Mul_Div_Round(estimate, 11000 - cash_ratio, 10000);
    const int32_t standard_ticket = Mul_Div_Round(5000, inflation, 1000);
    int32_t ticket = Mul_Div_Round(estimate, 500, 1000);
    if (ticket < standard_ticket) ticket = (ticket + 4 * standard_ticket) / 5;
    ticket = std::max(standard_ticket / 2, ticket);
    Set_Team_Financial_Stat(team, TICKET_PRICE, ticket);
    const int32_t unit = Mul_Div_Round(ticket, 1000, 5000);
    Set_Team_Financial_Stat(team, BEVERAGE_PRICE, Mul_Div_Round(unit, 600, 1000));
    Set_Team_Financial_Stat(team, FOOD_PRICE, Mul_Div_Round(unit, 750, 1000));
    Set_Team_Financial_Stat(team, SOUVENIR_PRICE, unit);
    const int32_t value_ratio = Get_Team_Financial_Stat(team, FRANCHISE_VALUE_AGAINST_YARDSTICK);
    Set_Team_Financial_Stat(team, SCOUTING_BUDGET, Apply_Inflation(Mul_Div_Round(value_ratio, 120000, 1000)));
    const int32_t payroll_ratio =
        Mul_Div_Round(Get_Team_Financial_Stat(team, CAP_TOTAL), 1000, Mul_Div_Round(202995, inflation, 1000));
    const int32_t medical = Mul_Div_Round(payroll_ratio + 2000, 1000, 3000);
    Set_Team_Financial_Stat(team, MEDICAL_BUDGET, Apply_Inflation(Mul_Div_Round(medical, 250000, 1000)));
}
