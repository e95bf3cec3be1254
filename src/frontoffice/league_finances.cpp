// Finances of a new league.
#include "frontoffice/league_finances.h"

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/team_record.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/game_finances.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/money.h"
#include "frontoffice/team_budgets.h"
#include "frontoffice/team_revenue.h"

namespace {
constexpr int32_t STADIUM_CAPACITY = 0;

void Set_Product(int32_t team, int32_t n, int64_t value) {
    Set_Team_Financial_Stat(team, n, Clamp_To_Int32(value));
}
} // namespace

void Reset_Team_Cash(int32_t team) {
    const int64_t value = Compute_Franchise_Value(team);
    Reset_Team_Staff_Quality(team);
    Set_Team_Dividend_Stat(team, Get_Owner_Dividend_Per_Game(team));
    Set_Product(team, FINANCE_CASH, Get_Base_Cash() / 2 + 5 * value);
}

void Reset_All_Team_Cash() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) Reset_Team_Cash(team);
}

void Estimate_Last_Season_Finances(int32_t team) {
    const int64_t games = Get_Games_Per_Season();
    const int32_t price = Get_Team_Financial_Stat(team, FINANCE_TICKET_PRICE);
    const int32_t standard = Get_Standard_Ticket_Price();
    const int32_t level = Estimate_Team_Revenue(team);
    const int32_t last_price = Round_To_Money_Step(price - price / 33);
    const int32_t capacity = Get_Team_Stadium_Stat(team, STADIUM_CAPACITY);
    int32_t crowd =
        Mul_Div_Round(capacity, Get_Team_Financial_Stat(team, FINANCE_FAN_LOYALTY) / 5 + 740, 1000);
    if (crowd > capacity) crowd = capacity;
    Set_Product(team, FINANCE_HOME_ATTENDANCE_LAST, static_cast<int64_t>(crowd) * (games / 2));
    const int64_t attendance = Get_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE_LAST);
    Set_Product(team, FINANCE_TICKET_REVENUE_LAST, Mul_Div_Round_64(last_price, attendance, 100));
    const int64_t tickets = Get_Team_Financial_Stat(team, FINANCE_TICKET_REVENUE_LAST);
    const int64_t concessions = Mul_Div_Round_64(Mul_Div_Round_64(tickets, 25, 100), standard + level / 2,
                                                 2 * static_cast<int64_t>(standard));
    Set_Product(team, FINANCE_FOOD + CONCESSION_LAST_SEASON_PROFIT, Mul_Div_Round_64(concessions, 35, 100));
    Set_Product(team, FINANCE_BEVERAGES + CONCESSION_LAST_SEASON_PROFIT,
                Mul_Div_Round_64(concessions, 45, 100));
    Set_Product(team, FINANCE_SOUVENIRS + CONCESSION_LAST_SEASON_PROFIT,
                Mul_Div_Round_64(concessions, 20, 100));
    Set_Product(team, FINANCE_SHARED_REVENUE_LAST, Compute_Shared_Revenue_Per_Game() * games);
    Set_Product(team, FINANCE_PAYROLL_PAID_LAST, Get_Team_Payroll_Per_Game(team) * games);
    Set_Product(team, FINANCE_DIVIDENDS_LAST, Get_Owner_Dividend_Per_Game(team) * games);
    Set_Product(team, FINANCE_OPERATING_EXPENSES_LAST, games * Get_Team_Per_Capita_Income(team) * 2);
    Set_Product(team, FINANCE_SCOUTING_SPENT_LAST,
                Get_Team_Financial_Stat(team, FINANCE_SCOUTING_BUDGET) * games);
    Set_Product(team, FINANCE_MEDICAL_SPENT_LAST,
                Get_Team_Financial_Stat(team, FINANCE_MEDICAL_BUDGET) * games);
    Set_Product(team, FINANCE_HOME_GAMES_LAST, games / 2);
    Set_Product(team, FINANCE_GAMES_LAST, games);
}

void Estimate_All_Last_Season_Finances() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) Estimate_Last_Season_Finances(team);
}

void Set_Franchise_Standing() {
    int32_t roots[MAX_FRANCHISES] = {};
    int32_t lowest = 0;
    int32_t highest = 0;
    bool first = true;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        roots[team] = Rounded_Signed_Sqrt(Get_Team_Financial_Stat(team, FINANCE_FRANCHISE_VALUE));
        if (first || roots[team] < lowest) lowest = roots[team];
        if (first || roots[team] > highest) highest = roots[team];
        first = false;
    }
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team))
            Set_Team_Financial_Stat(team, FINANCE_STANDING,
                                    100 - Mul_Div_Round(roots[team] - lowest, 200, highest - lowest));
}

void Init_League_Finances() {
    Reset_All_Team_Cash();
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) Set_Automatic_Team_Budgets(team);
    Estimate_All_Last_Season_Finances();
    Set_Franchise_Standing();
}
