#include "support/computer_league.h"

#include <algorithm>
#include <iterator>
#include <sstream>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "engine/game_driver.h"
#include "engine/game_record.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/game_finances.h"
#include "frontoffice/league_finances.h"
#include "frontoffice/league_revenue.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/roster_moves.h"
#include "frontoffice/trade_legality.h"
#include "personnel/draft_order.h"
#include "personnel/free_agent_order.h"
#include "personnel/injuries.h"
#include "personnel/player_retirement.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/league_rules.h"
#include "season/season_start.h"
#include "support/game_runner.h"
#include "support/test_league.h"
#include "support/test_markets.h"

namespace {
constexpr int32_t COMPUTER_TRADE_ATTEMPTS = 3;
constexpr int32_t LAST_TRADING_WEEK = 12;
// Every player who retired since the league was built, sorted.
std::vector<int32_t> Retired_Ids;

void Keep_Retired_Id(int32_t player_id) {
    Retired_Ids.insert(std::upper_bound(Retired_Ids.begin(), Retired_Ids.end(), player_id), player_id);
}

int32_t Try_Computer_Trades(int32_t week) {
    int32_t trades = 0;
    if (week < LAST_TRADING_WEEK)
        for (int32_t attempt = 0; attempt < COMPUTER_TRADE_ATTEMPTS; ++attempt)
            trades += Try_Computer_Trade();
    return trades;
}

int64_t Cap_In_Thousands() {
    return Get_Universe_Stat(SALARY_CAP) / 1000;
}

bool Is_Over_Cap(int32_t team) {
    return Cap_In_Thousands() > 0 && Get_Team_Financial_Stat(team, FINANCE_PAYROLL) >= Cap_In_Thousands();
}

bool Lacks_Available_Players(int32_t team) {
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        if (Count_Team_Available_Position_Players(team, position) < Get_Position_Roster_Minimum(position))
            return true;
    return false;
}

void Check_Minimums(std::ostringstream& problems, int32_t week) {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
            if (Count_Team_Available_Position_Players(team, position) < Get_Position_Roster_Minimum(position))
                problems << "week " << week << ": team " << team << " short at position " << position << "\n";
}

// Rosters after the week's moves and trades: none above the room limit, and
// none taken below 51 but by the moves' releases.
void Check_Roster_Sizes(std::ostringstream& problems, int32_t week, const std::vector<int32_t>& before_moves,
                        const std::vector<int32_t>& before_trades) {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t players = Get_First_Empty_Player_Slot(team);
        if (players > ROSTER_ROOM_LIMIT || players < Get_Lowest_Roster_After_Moves(before_moves[team]) ||
            (players < MIN_TRADE_ROSTER && players < before_trades[team]))
            problems << "week " << week << ": team " << team << " holds " << players << " players\n";
        for (int32_t slot = players; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot))
                problems << "week " << week << ": team " << team << " has a gap before slot " << slot << "\n";
    }
}

void Check_Players_Kept(std::ostringstream& problems, int32_t week, const LEAGUE_CENSUS& before,
                        const LEAGUE_CENSUS& after) {
    if (std::adjacent_find(after.Ids.begin(), after.Ids.end()) != after.Ids.end())
        problems << "week " << week << ": a player id on two teams\n";
    const std::vector<int32_t> lost = Find_Lost_Players(before, after);
    if (!lost.empty())
        problems << "week " << week << ": " << lost.size() << " players lost, the first id " << lost[0]
                 << "\n";
}
} // namespace

void Build_Computer_League() {
    Build_Test_League();
    Retired_Ids.clear();
    Set_Retirement_Listener(Keep_Retired_Id);
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

void Start_Computer_League_Season(uint32_t seed) {
    Build_Computer_League();
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(seed);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
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
    return Try_Computer_Trades(week);
}

std::vector<int32_t> Roster_Sizes() {
    std::vector<int32_t> sizes;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        sizes.push_back(Get_First_Empty_Player_Slot(team));
    return sizes;
}

int32_t Get_Lowest_Roster_After_Moves(int32_t players) {
    // The sign-or-release turns each computer team takes in a week's moves.
    constexpr int32_t SIGN_OR_RELEASE_TURNS = 3;
    return std::min(MIN_TRADE_ROSTER, players) - SIGN_OR_RELEASE_TURNS;
}

LEAGUE_CENSUS Take_League_Census() {
    LEAGUE_CENSUS census{{}, 0, 0};
    For_Each_League_Player(
        [&](int32_t team, int32_t slot) { census.Ids.push_back(Get_Player_ID(team, slot)); });
    std::sort(census.Ids.begin(), census.Ids.end());
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        census.Cash += Get_Team_Financial_Stat(team, FINANCE_CASH);
        census.Booked +=
            Get_Team_Financial_Stat(team, FINANCE_REVENUE) - Get_Team_Financial_Stat(team, FINANCE_EXPENSES);
    }
    return census;
}

std::vector<int32_t> Find_Lost_Players(const LEAGUE_CENSUS& before, const LEAGUE_CENSUS& after) {
    std::vector<int32_t> gone;
    std::set_difference(before.Ids.begin(), before.Ids.end(), after.Ids.begin(), after.Ids.end(),
                        std::back_inserter(gone));
    std::vector<int32_t> lost;
    std::set_difference(gone.begin(), gone.end(), Retired_Ids.begin(), Retired_Ids.end(),
                        std::back_inserter(lost));
    return lost;
}

std::string Run_Checked_Computer_Week(int32_t week, uint32_t seed, int32_t* trades) {
    std::ostringstream problems;
    const LEAGUE_CENSUS start = Take_League_Census();
    Run_Computer_Moves_Before_Games(week);
    Check_Minimums(problems, week);
    const LEAGUE_CENSUS signed_up = Take_League_Census();
    if (signed_up.Cash != start.Cash) problems << "week " << week << ": signings moved cash\n";
    if (Play_Computer_League_Week(week, seed) != TEST_LEAGUE_TEAMS / 2)
        problems << "week " << week << ": a game was not finished\n";
    const LEAGUE_CENSUS played = Take_League_Census();
    if (played.Cash - signed_up.Cash != played.Booked - signed_up.Booked)
        problems << "week " << week << ": game money not booked\n";
    // Teams short of players after the games fill their gaps before anything else.
    bool short_of_players[TEST_LEAGUE_TEAMS];
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        short_of_players[team] = Lacks_Available_Players(team);
    Auto_Set_Computer_Depth_Charts(0);
    const std::vector<int32_t> before_moves = Roster_Sizes();
    Do_Computer_Roster_Moves();
    const std::vector<int32_t> before_trades = Roster_Sizes();
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        if (Is_Over_Cap(team) && Get_First_Empty_Player_Slot(team) > MIN_TRADE_ROSTER &&
            !short_of_players[team])
            problems << "week " << week << ": team " << team << " over the cap with "
                     << Get_First_Empty_Player_Slot(team) << " players\n";
    int32_t payroll[TEST_LEAGUE_TEAMS];
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        payroll[team] = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    const int32_t made = Try_Computer_Trades(week);
    if (trades != nullptr) *trades += made;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        if (Get_Team_Financial_Stat(team, FINANCE_PAYROLL) > payroll[team] && Is_Over_Cap(team))
            problems << "week " << week << ": a trade took team " << team << " over the cap\n";
    Check_Roster_Sizes(problems, week, before_moves, before_trades);
    const LEAGUE_CENSUS end = Take_League_Census();
    if (end.Cash != played.Cash) problems << "week " << week << ": roster moves or trades created cash\n";
    Check_Players_Kept(problems, week, start, end);
    return problems.str();
}
