// League wealth and shared revenue.
#include "frontoffice/league_revenue.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"

namespace {
constexpr int32_t SHARED_REVENUE_EXTRA = 370000;
} // namespace

int32_t Update_League_Wealth_Factor() {
    if (!Is_Owner_Mode()) return 1000;
    int32_t teams = 0;
    const int64_t total = Sum_Active_Team_Financial_Stat(FINANCE_CASH, &teams);
    if (teams == 0) return 0;
    const int64_t factor = Mul_Div_Round_64(total / teams, 1000, Get_Base_Cash());
    const int32_t wealth =
        factor < MIN_WEALTH_FACTOR
            ? MIN_WEALTH_FACTOR
            : (factor > MAX_WEALTH_FACTOR ? MAX_WEALTH_FACTOR : static_cast<int32_t>(factor));
    Store_Universe_Stat(LEAGUE_WEALTH_FACTOR, wealth);
    return wealth;
}

int32_t Get_League_Wealth_Factor() {
    const int32_t stored = Get_Universe_Stat(LEAGUE_WEALTH_FACTOR);
    if (stored >= MIN_WEALTH_FACTOR && stored <= MAX_WEALTH_FACTOR) return stored;
    return Update_League_Wealth_Factor();
}

int32_t Get_Effective_Wealth_Factor() {
    return Is_Owner_Mode() ? Get_League_Wealth_Factor() : 1000;
}

int32_t Compute_Shared_Revenue_Per_Game() {
    const int32_t wealth = Update_League_Wealth_Factor();
    const int32_t games = Get_Games_Per_Season();
    int64_t share = (games != 0 ? BASE_YEAR_CAP / games : BASE_YEAR_CAP) + SHARED_REVENUE_EXTRA;
    share = Mul_Div_Round_64(share, 1000, wealth);
    share = Mul_Div_Round_64(share, 100 + Get_Universe_Stat(LEAGUE_REVENUE_PERCENT), 100);
    const int32_t revenue = Apply_Inflation(Clamp_To_Int32(share));
    Store_Universe_Stat(SHARED_REVENUE_PER_GAME, revenue);
    return revenue;
}

void Pay_Team_Shared_Revenue(int32_t team) {
    const int32_t share = Get_Universe_Stat(SHARED_REVENUE_PER_GAME);
    Set_Team_Financial_Stat(team, FINANCE_SHARED_REVENUE_WEEK, share);
    Add_Team_Financial_Stat(team, FINANCE_SHARED_REVENUE, share);
    Add_Team_Financial_Stat(team, FINANCE_CASH, share);
}

void Pay_Shared_Revenue() {
    if (Is_Post_Season_Week()) return;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team)) Pay_Team_Shared_Revenue(team);
}
