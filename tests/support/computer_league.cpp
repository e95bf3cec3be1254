#include "support/computer_league.h"

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/game_finances.h"
#include "frontoffice/league_finances.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/roster_moves.h"
#include "personnel/free_agent_order.h"
#include "personnel/injuries.h"
#include "personnel/projected_draft_order.h"
#include "support/game_runner.h"
#include "support/test_league.h"
#include "support/test_markets.h"

namespace {
constexpr int32_t COMPUTER_TRADE_ATTEMPTS = 3;
constexpr int32_t LAST_TRADING_WEEK = 12;
} // namespace

void Build_Computer_League() {
    Build_Test_League();
    Give_Test_League_Markets();
    Set_User_Preference(OWNER_MODE, 1);
    Universe.Season_Length = 17;
    Seed_Random_Numbers(1616);
    Init_League_Finances();
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
                Set_Draft_Pick_Owner(year, round, team, team);
    Set_Projected_Draft_Order();
    Replenish_Free_Agents();
    Auto_Set_Computer_Depth_Charts(0);
}

void Run_Computer_Moves_Before_Games(int32_t week) {
    Set_User_Preference(CURRENT_WEEK, week);
    Do_Automatic_Signings();
    Update_League_Wealth_Factor();
    Compute_Shared_Revenue_Per_Game();
}

int32_t Play_Computer_League_Week(int32_t week, uint32_t seed) {
    Prepare_Game_Week(week, seed);
    int32_t finished = 0;
    for (int32_t k = 0; k < TEST_LEAGUE_TEAMS / 2; ++k) {
        const int32_t home = (2 * k + week) % TEST_LEAGUE_TEAMS;
        const int32_t visitor = (2 * k + 1 + week) % TEST_LEAGUE_TEAMS;
        GAME_RECORD* game = Play_Test_Game(home, visitor, week);
        if (game == nullptr || !Is_Game_Over(game)) continue;
        Compute_Game_Finances(game);
        ++finished;
    }
    Set_User_Preference(SIMULATION_RUNNING, 0);
    Pay_Shared_Revenue();
    Heal_All_Players();
    return finished;
}

int32_t Run_Computer_Moves_After_Games(int32_t week) {
    Auto_Set_Computer_Depth_Charts(0);
    Do_Computer_Roster_Moves();
    int32_t trades = 0;
    if (week < LAST_TRADING_WEEK)
        for (int32_t attempt = 0; attempt < COMPUTER_TRADE_ATTEMPTS; ++attempt)
            trades += Try_Computer_Trade();
    return trades;
}
