// Automatic prices and budgets.
#include "frontoffice/team_budgets.h"

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/game_finances.h"
#include "frontoffice/money.h"
#include "frontoffice/team_revenue.h"

namespace {
constexpr int32_t PAYROLL_YARDSTICK = 202995;

int32_t Get_Price_Step() {
    return Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR));
}

int32_t Get_Concession_Price_Step() {
    return Get_Money_Step(Get_Universe_Stat(INFLATION_FACTOR) / 4);
}

// The medical staff level the payroll calls for, per mille.
int32_t Get_Medical_Level(int32_t team) {
    const int32_t payroll = Mul_Div_Round(Get_Team_Financial_Stat(team, FINANCE_PAYROLL), 1000,
                                          Apply_Inflation(PAYROLL_YARDSTICK));
    return Mul_Div_Round(payroll + 2000, 1000, 3000);
}
} // namespace

void Set_Automatic_Scouting_Budget(int32_t team) {
    const int32_t budget = Apply_Inflation(
        Mul_Div_Round(Get_Team_Financial_Stat(team, FINANCE_VALUE_RATIO), STANDARD_SCOUTING_BUDGET, 1000));
    Set_Team_Financial_Stat(team, FINANCE_SCOUTING_BUDGET, Floor_To_Step(budget, Get_Price_Step()));
}

void Set_Automatic_Medical_Budget(int32_t team) {
    const int32_t budget =
        Apply_Inflation(Mul_Div_Round(Get_Medical_Level(team), STANDARD_MEDICAL_BUDGET, 1000));
    Set_Team_Financial_Stat(team, FINANCE_MEDICAL_BUDGET, Floor_To_Step(budget, Get_Price_Step()));
}

void Set_Automatic_Team_Budgets(int32_t team) {
    int32_t level = Estimate_Team_Revenue(team);
    const int32_t cash_ratio = Get_Team_Financial_Stat(team, FINANCE_CASH_RATIO);
    // A team short of cash prices higher.
    if (cash_ratio < 1000) level = Mul_Div_Round(level, 11000 - cash_ratio, 10000);
    int32_t ticket = Mul_Div_Round(level, 500, 1000);
    const int32_t standard = Get_Standard_Ticket_Price();
    if (ticket < standard) ticket = (ticket + 4 * standard) / 5;
    if (ticket < standard / 2) ticket = standard / 2;
    ticket = Floor_To_Step(ticket, Get_Price_Step());
    Set_Team_Financial_Stat(team, FINANCE_TICKET_PRICE, ticket);
    const int32_t unit = Mul_Div_Round(ticket, 1000, 5000);
    const int32_t step = Get_Concession_Price_Step();
    Set_Team_Financial_Stat(team, FINANCE_BEVERAGES + CONCESSION_PRICE,
                            Floor_To_Step(Mul_Div_Round(unit, 600, 1000), step));
    Set_Team_Financial_Stat(team, FINANCE_FOOD + CONCESSION_PRICE,
                            Floor_To_Step(Mul_Div_Round(unit, 750, 1000), step));
    Set_Team_Financial_Stat(team, FINANCE_SOUVENIRS + CONCESSION_PRICE, Floor_To_Step(unit, step));
    Set_Automatic_Scouting_Budget(team);
    Set_Automatic_Medical_Budget(team);
}

void Set_All_Automatic_Budgets(int32_t skip_human_teams) {
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) return;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        if (skip_human_teams && Is_Human_Team(team)) continue;
        Set_Automatic_Team_Budgets(team);
    }
}

void Reset_Team_Staff_Quality(int32_t team) {
    Set_Team_Financial_Stat(team, FINANCE_MEDICAL_QUALITY, Get_Medical_Level(team));
    Set_Team_Financial_Stat(team, FINANCE_SCOUTING_QUALITY,
                            Get_Team_Financial_Stat(team, FINANCE_VALUE_RATIO));
    Set_Automatic_Scouting_Budget(team);
    Set_Automatic_Medical_Budget(team);
}
