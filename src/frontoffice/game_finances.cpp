// Money booked after each game.
#include "frontoffice/game_finances.h"

#include <cstdlib>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_history.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/team_revenue.h"

namespace {
constexpr int32_t HOME_GATE_PERCENT = 66;
constexpr int32_t VISITOR_GATE_PERCENT = 34;

struct CONCESSION {
    int32_t Block;
    int32_t Demand_Divisor;
    int32_t Unit_Cost;
    int32_t Units_Per_Buyer;
};
// In the order they are sold: beverages, food, souvenirs.
constexpr CONCESSION CONCESSIONS[3] = {
    {FINANCE_BEVERAGES, 5, 75, 2}, {FINANCE_FOOD, 3, 125, 1}, {FINANCE_SOUVENIRS, 2, 250, 1}};

// Profit of one product; adds to the penalty when it is priced above half
// again its demand scale.
int32_t Sell_Concession(int32_t home, const CONCESSION& product, int32_t scale, int32_t attendance,
                        int32_t* penalty) {
    const int32_t price = Get_Team_Financial_Stat(home, product.Block + CONCESSION_PRICE);
    const int32_t ratio = Mul_Div_Round(price, 1000, scale);
    int64_t units = ratio < 750 ? Mul_Div_Round_64(attendance, 1000 - ratio, 1000)
                                : Mul_Div_Round_64(attendance / 4, 1750 - ratio, 1000);
    if (units < 0) units = 0;
    units *= product.Units_Per_Buyer;
    if (ratio > 500) *penalty += ratio / 10;
    const int64_t revenue = Mul_Div_Round_64(units, price, 100);
    const int64_t unit_cost = Mul_Div_Round_64(Apply_Inflation(product.Unit_Cost),
                                               Get_Team_Per_Capita_Income(home), STANDARD_INCOME);
    const int32_t profit = Clamp_To_Int32(revenue - Mul_Div_Round_64(units, unit_cost, 100));
    Set_Team_Financial_Stat(home, product.Block + CONCESSION_GAME_PROFIT, profit);
    Add_Team_Financial_Stat(home, product.Block + CONCESSION_SEASON_PROFIT, profit);
    return profit;
}

// Spends a staff budget of one game; the staff's quality moves `share` parts
// in `parts` toward the level the budget buys. Returns the money spent.
int32_t Spend_Staff_Budget(int32_t team, int32_t budget_stat, int32_t spent_stat, int32_t quality_stat,
                           int32_t standard_budget, int64_t parts, int64_t share) {
    const int32_t budget = Get_Team_Financial_Stat(team, budget_stat);
    Add_Team_Financial_Stat(team, spent_stat, budget);
    const int64_t level = Mul_Div_Round(budget, 1000, Apply_Inflation(standard_budget));
    const int64_t quality = Get_Team_Financial_Stat(team, quality_stat);
    Set_Team_Financial_Stat(team, quality_stat,
                            Clamp_To_Int32(((parts - share) * quality + share * level + parts / 2) / parts));
    return budget;
}

// Payroll, dividend and the two staff budgets of a regular-season game, with
// the quality the staff budgets buy.
void Pay_Regular_Season_Costs(int32_t team, int64_t* cash) {
    const int32_t payroll = Get_Team_Payroll_Per_Game(team);
    Set_Team_Financial_Stat(team, FINANCE_PAYROLL_GAME, payroll);
    Add_Team_Financial_Stat(team, FINANCE_PAYROLL_PAID, payroll);
    *cash -= payroll;
    const int32_t dividend = Get_Owner_Dividend_Per_Game(team);
    Set_Team_Dividend_Stat(team, dividend);
    Add_Team_Financial_Stat(team, FINANCE_DIVIDENDS, dividend);
    *cash -= dividend;
    *cash -= Spend_Staff_Budget(team, FINANCE_MEDICAL_BUDGET, FINANCE_MEDICAL_SPENT, FINANCE_MEDICAL_QUALITY,
                                STANDARD_MEDICAL_BUDGET, 100, 7);
    *cash -= Spend_Staff_Budget(team, FINANCE_SCOUTING_BUDGET, FINANCE_SCOUTING_SPENT,
                                FINANCE_SCOUTING_QUALITY, STANDARD_SCOUTING_BUDGET, 10, 1);
}
} // namespace

int32_t Draw_Per_Mille() {
    return static_cast<int32_t>((static_cast<uint64_t>(Random_Number()) * 1000) >> 32);
}

int32_t Get_Standard_Ticket_Price() {
    return Apply_Inflation(5000);
}

int32_t Compute_Concession_Sales(int32_t home, const GAME_RECORD* game) {
    const int32_t draw = Draw_Per_Mille();
    const int32_t level = Estimate_Team_Revenue(home);
    const int32_t ticket = Get_Team_Financial_Stat(home, FINANCE_TICKET_PRICE);
    const int32_t demand = level / 10 > level - ticket / 2 ? level / 10 : level - ticket / 2;
    const int32_t attendance = game->Attendance;
    int32_t penalty = 0;
    int64_t profit = 0;
    for (const CONCESSION& product : CONCESSIONS)
        profit += Sell_Concession(home, product, demand / product.Demand_Divisor, attendance, &penalty);
    if (draw < penalty) {
        const int32_t loyalty = Get_Team_Financial_Stat(home, FINANCE_FAN_LOYALTY) - 1;
        Set_Team_Financial_Stat(home, FINANCE_FAN_LOYALTY,
                                loyalty > MIN_FAN_LOYALTY ? loyalty : MIN_FAN_LOYALTY);
    }
    return Clamp_To_Int32(profit);
}

void Update_Fan_Loyalty_For_Ticket_Price(int32_t home) {
    const int32_t price_ratio =
        Mul_Div_Round(Get_Team_Financial_Stat(home, FINANCE_TICKET_PRICE), 1000, Get_Standard_Ticket_Price());
    const int32_t ratio = Mul_Div_Round(price_ratio, 1000, Get_Team_Income_Ratio(home));
    const int32_t difference = 1000 - ratio;
    if (Draw_Per_Mille() >= std::abs(difference)) return;
    const int32_t loyalty = Get_Team_Financial_Stat(home, FINANCE_FAN_LOYALTY);
    Set_Team_Financial_Stat(home, FINANCE_FAN_LOYALTY, difference > 0 ? loyalty + 1 : loyalty - 1);
}

void Compute_Game_Finances(const GAME_RECORD* game) {
    if (game == nullptr) return;
    const int32_t visitor = game->Team[0];
    const int32_t home = game->Team[1];
    if (!Is_Active_Team(visitor) || !Is_Active_Team(home)) return;
    const int32_t attendance = game->Attendance;
    const bool post_season = Is_Post_Season_Week();
    Set_Team_Financial_Stat(home, FINANCE_LAST_ATTENDANCE, attendance);
    Add_Team_Financial_Stat(home, FINANCE_HOME_ATTENDANCE, attendance);
    Add_Team_Financial_Stat(visitor, FINANCE_ROAD_ATTENDANCE, attendance);
    int64_t gate = Mul_Div_Round_64(Get_Team_Financial_Stat(home, FINANCE_TICKET_PRICE), attendance, 100);
    if (post_season) gate *= 2;
    Set_Team_Financial_Stat(home, FINANCE_LAST_GATE, Clamp_To_Int32(gate));
    int64_t cash[2] = {Get_Team_Financial_Stat(visitor, FINANCE_CASH),
                       Get_Team_Financial_Stat(home, FINANCE_CASH)};
    const int64_t home_share = Mul_Div_Round_64(gate, HOME_GATE_PERCENT, 100);
    const int64_t visitor_share = Mul_Div_Round_64(gate, VISITOR_GATE_PERCENT, 100);
    cash[1] += home_share;
    Add_Team_Financial_Stat(home, FINANCE_TICKET_REVENUE, home_share);
    cash[0] += visitor_share;
    Add_Team_Financial_Stat(visitor, FINANCE_TICKET_REVENUE, visitor_share);
    cash[1] += Compute_Concession_Sales(home, game);
    Update_Fan_Loyalty_For_Ticket_Price(home);
    const int32_t teams[2] = {visitor, home};
    for (int32_t side = 0; side < 2; ++side) {
        const int32_t expenses = Get_Team_Operating_Expenses(teams[side]);
        Set_Team_Financial_Stat(teams[side], FINANCE_OPERATING_EXPENSES_GAME, expenses);
        Add_Team_Financial_Stat(teams[side], FINANCE_OPERATING_EXPENSES, expenses);
        cash[side] -= expenses;
    }
    if (!post_season)
        for (int32_t side = 0; side < 2; ++side)
            Pay_Regular_Season_Costs(teams[side], &cash[side]);
    Set_Team_Financial_Stat(visitor, FINANCE_CASH, Clamp_To_Int32(cash[0]));
    Set_Team_Financial_Stat(home, FINANCE_CASH, Clamp_To_Int32(cash[1]));
    Add_Team_Financial_Stat(home, FINANCE_HOME_GAMES, 1);
    Add_Team_Financial_Stat(home, FINANCE_GAMES, 1);
    Add_Team_Financial_Stat(visitor, FINANCE_GAMES, 1);
}
