// The free-agent market of the computer general managers.
#include "frontoffice/free_agent_market.h"

#include <cstring>

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "dialogs/roster_moves.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/rating_bounds.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/trade_offer.h"
#include "personnel/free_agent_order.h"

namespace {
constexpr int32_t MARKET_SORT_MODE = 2;
// Only players rated above this draw bids.
constexpr int32_t MARKET_RATING = 70;
constexpr int32_t SMALLEST_BID = 500;

struct MARKET {
    int32_t Free_Agents;
    int32_t Id[PLAYERS_PER_TEAM];
    int32_t Bid[PLAYERS_PER_TEAM][MAX_FRANCHISES];
    int32_t Room[MAX_FRANCHISES];
    // Truncated rating of each team's last starter at each position, -1 unknown.
    int32_t Starter_Rating[MAX_FRANCHISES][NUMBER_OF_POSITIONS];
};

int32_t Last_Starter_Rating(MARKET& market, int32_t team, int32_t position) {
    int32_t& rating = market.Starter_Rating[team][position];
    if (rating < 0) {
        const int32_t slot = Get_Last_Starter_At_Position(team, position);
        rating = slot < 0 ? 0 : Truncate_Rating(Ensure_Player_Minimum_Rating(team, slot));
    }
    return rating;
}

// Each team's bid for one free agent: how much he improves on its last starter
// at his position, against the share of its cap room his cap impact takes.
void Take_Bids(MARKET& market, int32_t n, int32_t teams) {
    const int32_t slot = n;
    const int32_t rating = Truncate_Rating(Ensure_Player_Minimum_Rating(FREE_AGENT_TEAM, slot));
    if (rating <= MARKET_RATING) return;
    const int32_t position = Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION);
    if (position < 0 || position >= NUMBER_OF_POSITIONS) return;
    const int32_t ask = Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_CAP_CHARGE);
    for (int32_t team = 0; team < teams; ++team) {
        const int32_t room = market.Room[team];
        const int32_t share = Mul_Div_Round(ask, 1000, room);
        if (ask >= room) continue;
        const int32_t improvement = (rating - Last_Starter_Rating(market, team, position)) * 100 - 150;
        if (improvement <= 0) continue;
        const int32_t bid = Clamp_To_Int32(Mul_Div_Round_64(improvement, 1000, share));
        if (bid >= SMALLEST_BID) market.Bid[n][team] = bid;
    }
}

int32_t Find_Pool_Slot_Of(int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Get_Player_ID(FREE_AGENT_TEAM, slot) == id) return slot;
    return -1;
}

void Cut_All_Rosters(int32_t teams) {
    for (int32_t team = 0; team < teams; ++team)
        Cut_Roster_To_Limit(team);
}
} // namespace

void Run_Free_Agent_Market(int32_t show_progress) {
    static MARKET market;
    std::memset(&market, 0, sizeof market);
    std::memset(market.Starter_Rating, -1, sizeof market.Starter_Rating);
    const int32_t teams = Refresh_Active_Team_Count();
    market.Free_Agents = Get_First_Empty_Player_Slot(FREE_AGENT_TEAM);
    Cut_All_Rosters(teams);
    const int32_t sort_mode = Get_User_Preference(PLAYER_SORT_MODE);
    Set_User_Preference(PLAYER_SORT_MODE, MARKET_SORT_MODE);
    Sort_Free_Agents();
    Set_User_Preference(PLAYER_SORT_MODE, sort_mode);

    for (int32_t team = 0; team < teams; ++team)
        market.Room[team] = Get_Team_Financial_Stat(team, FINANCE_CAP_ROOM);
    for (int32_t n = 0; n < market.Free_Agents; ++n) {
        market.Id[n] = Get_Player_ID(FREE_AGENT_TEAM, n);
        Take_Bids(market, n, teams);
        if (show_progress) Step_Progress(1);
    }
    if (show_progress) Step_Progress(PLAYERS_PER_TEAM - market.Free_Agents);
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Human_Team(team))
            for (int32_t n = 0; n < market.Free_Agents; ++n)
                market.Bid[n][team] = 0;

    for (int32_t n = 0; n < market.Free_Agents; ++n) {
        int32_t winner = -1;
        for (int32_t team = 0; team < teams; ++team)
            if (market.Bid[n][team] > 0 && (winner < 0 || market.Bid[n][team] > market.Bid[n][winner]))
                winner = team;
        if (winner < 0) continue;
        // The pool closes up after each signing: find him by who he is.
        const int32_t slot = Find_Pool_Slot_Of(market.Id[n]);
        if (slot < 0 || Move_Player_To_Team(winner, FREE_AGENT_TEAM, slot) < 0) continue;
        if (winner < MAX_FRANCHISES) Auto_Set_Team_Depth_Chart(winner);
        // One signing per team and market.
        for (int32_t other = n + 1; other < market.Free_Agents; ++other)
            market.Bid[other][winner] = 0;
    }
    Cut_All_Rosters(teams);
}
