// The computer general managers' weekly roster moves.
#include "frontoffice/roster_moves.h"

#include <cstdint>

#include "app/diagnostics.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/random_numbers.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_operations.h"
#include "dialogs/roster_moves.h"
#include "engine/snap_decisions.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/free_agent_market.h"
#include "frontoffice/money.h"
#include "frontoffice/roster_limits.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/team_budgets.h"
#include "frontoffice/team_needs.h"
#include "frontoffice/trade_legality.h"
#include "frontoffice/trade_scoring.h"
#include "personnel/contract_renewal.h"
#include "personnel/free_agent_order.h"
#include "personnel/injuries.h"
#include "personnel/player_generation.h"
#include "personnel/player_retirement.h"

namespace {
constexpr int32_t SIGN_OR_RELEASE_ATTEMPTS = 3;
constexpr int32_t MAX_CAP_PASSES = 100;
constexpr int32_t LARGE_ROSTER = 70;
constexpr int32_t PREDICTED_SEASON = 3;
constexpr int32_t PREDICTED_CASH_NEED_STAT = 305;
constexpr int32_t NO_MAGIC_NUMBER = INT32_MIN;

bool Is_Over_Salary_Cap(int32_t team) {
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    return cap != 0 && static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000 >= cap;
}

bool Is_Computer_Run(int32_t team) {
    return !Is_Human_Team(team);
}

// The team's surplus player leaves: a franchise releases him, a pool retires
// him. False when nobody left (a release the free-agent pool refused).
bool Shed_Surplus_Player(int32_t team) {
    const int32_t slot = Find_Surplus_Position_Player(team);
    if (slot < 0) return false;
    if (team < FREE_AGENT_TEAM) return Release_Player_To_Free_Agents(team, slot) != 0;
    Retire_Player(team, slot);
    return true;
}

// The dollars a release is costed at: what the team's cash short of 1.2 times
// the standard level is worth to it, in money steps (kept within the field).
int32_t Release_Cash(int32_t cash_ratio, int64_t step) {
    return Clamp_To_Int32(static_cast<int64_t>(1200 - cash_ratio) * step * 50);
}

void Try_Computer_Release(int32_t team, int32_t cash_ratio, int64_t step, const TEAM_STRENGTH_TABLE& needs) {
    const int32_t slot = Random_Index(PLAYERS_PER_TEAM);
    if (!Is_Player_Slot_Used(team, slot)) return;
    if (Is_Player_Within_Position_Quota(team, slot) && Get_Team_Magic_Number(team) != NO_MAGIC_NUMBER) return;
    TRADE_OFFER offer;
    Init_Trade_Offer(&offer);
    offer.Team[0] = FREE_AGENT_TEAM;
    offer.Team[1] = static_cast<uint8_t>(team);
    offer.Items[1][0] = static_cast<uint8_t>(slot);
    offer.Cash = Release_Cash(cash_ratio, step);
    if (Score_Trade_Offer(&offer, needs) < 1) return;
    if (static_cast<int64_t>(Get_Player_Stat(team, slot, PREDICTED_SEASON, PREDICTED_CASH_NEED_STAT)) +
            cash_ratio >
        1999)
        return;
    if (Release_Player_To_Free_Agents(team, slot)) Auto_Set_Team_Depth_Chart(team);
}

void Try_Computer_Signing(int32_t team, const TEAM_STRENGTH_TABLE& needs) {
    Random_Number();
    Random_Number();
    const int32_t slot = Random_Index(PLAYERS_PER_TEAM);
    if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, slot)) return;
    // No signing takes a team past the salary cap, as none of the user's
    // may: a team over it sheds players down to 51 and may stay over.
    if (!Can_Sign_Within_Salary_Cap(team, FREE_AGENT_TEAM, slot)) return;
    TRADE_OFFER offer;
    Init_Trade_Offer(&offer);
    offer.Team[0] = FREE_AGENT_TEAM;
    offer.Team[1] = static_cast<uint8_t>(team);
    offer.Items[0][0] = static_cast<uint8_t>(slot);
    // His salary figure ($K) stands in the dollars field: the cost of a
    // signing weighs on the score as a thousandth of his salary.
    offer.Cash = -Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SALARY);
    if (Score_Trade_Offer(&offer, needs) <= 1000) return;
    if (Move_Player_To_Team(team, FREE_AGENT_TEAM, slot) >= 0) Auto_Set_Team_Depth_Chart(team);
}

// Signs (or creates) players at each position below its minimum; returns
// whether the team gained anyone.
bool Sign_Missing_Players(int32_t team) {
    bool gained = false;
    char team_name[FORMATTED_TEXT_SIZE];
    char player_name[PLAYER_NAME_TEXT_SIZE];
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position) {
        const int32_t need =
            Get_Position_Roster_Minimum(position) - Count_Team_Available_Position_Players(team, position);
        for (int32_t n = 0; n < need && Get_First_Empty_Player_Slot(team) < PLAYERS_PER_TEAM; ++n) {
            const int32_t free_agent = Find_Best_Affordable_Free_Agent(team, position);
            if (free_agent == NO_PLAYER) {
                const int32_t slot = Get_First_Empty_Player_Slot(team);
                Create_Player_For_Team(team, slot, position, REPLACEMENT_PLAYER_WEAKNESS);
                gained = gained || Is_Player_Slot_Used(team, slot);
                continue;
            }
            Get_Player_Full_Name(FREE_AGENT_TEAM, free_agent, player_name);
            if (Move_Player_To_Team(team, FREE_AGENT_TEAM, free_agent) < 0) continue;
            gained = true;
            Get_Team_Full_Name(team, team_name);
            Log_Debug_Line("%s automatically signs %s", team_name, player_name);
        }
    }
    return gained;
}
} // namespace

void Do_Computer_Roster_Moves() {
    const int32_t teams = Refresh_Active_Team_Count();
    Run_Free_Agent_Market(0);
    End_Computer_Holdouts();
    for (int32_t team = 0; team < teams; ++team) {
        if (Fill_Roster_Minimums(team) != 1) continue;
        for (int32_t attempt = 0; attempt < SIGN_OR_RELEASE_ATTEMPTS; ++attempt)
            Computer_Sign_Or_Release(team);
        Set_Automatic_Team_Budgets(team);
    }
}

void End_Computer_Holdouts() {
    const int32_t teams = Refresh_Active_Team_Count();
    const bool every_team = Get_User_Preference(COMMISSIONER_MODE) != 0;
    for (int32_t team = 0; team < teams; ++team) {
        if (!every_team && !Is_Computer_Run(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot) || Get_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT) <= 0 ||
                Get_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE) != INJURY_HOLDOUT)
                continue;
            if (!Check_Renew_Contract(team, slot, 0)) continue;
            Set_Player_Vital_Stat(team, slot, VITAL_WEEKS_OUT, 0);
            Set_Player_Vital_Stat(team, slot, VITAL_INJURY_TYPE, NO_INJURY);
        }
    }
}

void Do_Automatic_Signings() {
    const int32_t teams = Refresh_Active_Team_Count();
    const bool auto_fill = Get_User_Preference(AUTO_FILL_ROSTERS) != 0;
    for (int32_t team = 0; team < teams; ++team) {
        const bool computer = Is_Computer_Run(team);
        if (!computer && !auto_fill) continue;
        if (!Sign_Missing_Players(team)) continue;
        // A human team's depth chart stays as its user set it.
        if (computer && team < MAX_FRANCHISES && Get_User_Preference(COMMISSIONER_MODE) == 0)
            Auto_Set_Team_Depth_Chart(team);
        Replenish_Free_Agents();
    }
}

void Computer_Sign_Or_Release(int32_t team) {
    const int32_t cash_ratio = Get_Team_Financial_Stat(team, FINANCE_CASH_RATIO);
    const int64_t step = Get_Money_Step_Dollars();
    const int32_t players = Get_First_Empty_Player_Slot(team);
    const int32_t fill = players > 0 ? Mul_Div_Round(65000, 1, players) : 0;
    Cut_Roster_To_Limit(team);
    TEAM_STRENGTH_TABLE needs;
    Build_Team_Strength_Table(team, &needs);
    // A poor team, a crowded roster or a payroll over the cap lets a player go.
    if (static_cast<int64_t>(cash_ratio) + fill < 2000 || players > LARGE_ROSTER || Is_Over_Salary_Cap(team))
        Try_Computer_Release(team, cash_ratio, step, needs);
    else
        Try_Computer_Signing(team, needs);
    for (int32_t pass = 0; pass < MAX_CAP_PASSES && Is_Over_Salary_Cap(team); ++pass) {
        if (Get_First_Empty_Player_Slot(team) <= MIN_TRADE_ROSTER || !Shed_Surplus_Player(team)) break;
    }
}

int32_t Find_Best_Affordable_Free_Agent(int32_t team, int32_t position) {
    const int64_t cap = Get_Universe_Stat(SALARY_CAP) / 1000;
    if (cap == 0) return NO_PLAYER;
    const int64_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    int32_t best = NO_PLAYER;
    float best_rating = 0.0f;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Available(FREE_AGENT_TEAM, slot) ||
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION) != position)
            continue;
        int64_t room = cap - payroll;
        if (team != FREE_AGENT_TEAM) room -= Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_CAP_CHARGE);
        if (room <= 0) continue;
        const float rating = Ensure_Player_Minimum_Rating(FREE_AGENT_TEAM, slot);
        if (best == NO_PLAYER || rating > best_rating) {
            best = slot;
            best_rating = rating;
        }
    }
    return best;
}
