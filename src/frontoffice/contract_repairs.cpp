// Load-time repairs of rookie contracts and corrupt salaries.
#include "frontoffice/contract_repairs.h"

#include <utility>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "frontoffice/salary_value.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t FIRST_ROOKIE_SCALE_YEAR = 2019;
constexpr int32_t ROOKIE_CONTRACT_YEARS = 4;
constexpr unsigned REPAIR_QUESTION = BOX_YES_NO | BOX_INFORMATION | BOX_TASK_MODAL;

// Active franchises and the free-agent, Hall of Fame and draft-pool slots.
template <typename F> void For_Each_Contract_Player(F action) {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team) {
        if (team < MAX_FRANCHISES && !Is_Active_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) action(team, slot);
    }
}

// A salary no contract can hold: more than the threshold, or below zero.
bool Is_Corrupt_Salary(int32_t team, int32_t slot, int32_t threshold) {
    const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
    return salary > threshold || salary < 0;
}

template <typename F> void For_Each_Franchise_Player(F action) {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) action(team, slot);
    }
}
} // namespace

void Fix_Rookie_Contract(int32_t team, int32_t slot, int32_t with_bonus) {
    const int32_t year = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD) % 10000;
    if (year < FIRST_ROOKIE_SCALE_YEAR) return;
    if (Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS) >= ROOKIE_CONTRACT_YEARS) return;
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, ROOKIE_CONTRACT_YEARS);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, year - (FIRST_ROOKIE_SCALE_YEAR - 1));
    if (!with_bonus) return;
    const int32_t code = Get_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT);
    const int32_t pick_value = Get_Draft_Pick_Value(code / 100000 - 1, code % 100000 / 1000 - 1);
    // At least 60 % of the pick's value over the rookie contract: the field
    // holds what is still to count, the share of the years still to run.
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    const int32_t floor = (pick_value - 2 * pick_value / 5) * years / ROOKIE_CONTRACT_YEARS;
    if (Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS) < floor)
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, floor);
}

void Fix_Rookie_Contracts(int32_t with_bonus) {
    For_Each_Contract_Player(
        [with_bonus](int32_t team, int32_t slot) { Fix_Rookie_Contract(team, slot, with_bonus); });
}

int32_t Get_Corrupt_Salary_Threshold() {
    const int64_t cap = Mul_Div_Round_64(BASE_YEAR_CAP, Get_Universe_Stat(INFLATION_FACTOR), 1000);
    return Clamp_To_Int32(Mul_Div_Round_64(cap, 1, 3000));
}

void Fix_Corrupt_Salary_Data() {
    const int32_t threshold = Get_Corrupt_Salary_Threshold();
    bool found = false;
    For_Each_Franchise_Player([&](int32_t team, int32_t slot) {
        if (Is_Corrupt_Salary(team, slot, threshold)) found = true;
    });
    if (!found) return;
    // One question for the whole league, not one per player.
    if (Show_Message_Box(
            "Football Korva has found corrupt salary data, due to a bug in a previous version of "
            "Football Korva.\n\nWould you like Football Korva to automatically fix this data?",
            "Fix salary data?", REPAIR_QUESTION) != ID_BOX_YES)
        return;
    // The corrupt salaries are first set to the minimum so that none of them
    // inflates the comparable salaries the new ones are priced from.
    std::vector<std::pair<int32_t, int32_t>> corrupt;
    For_Each_Franchise_Player([&](int32_t team, int32_t slot) {
        if (!Is_Corrupt_Salary(team, slot, threshold)) return;
        corrupt.emplace_back(team, slot);
        Set_Player_Vital_Stat(team, slot, VITAL_SALARY, Get_Player_Minimum_Salary(team, slot));
    });
    for (const auto& [team, slot] : corrupt)
        Set_Player_Vital_Stat(team, slot, VITAL_SALARY, Get_Player_Salary_Value(team, slot, 0));
    if (Show_Message_Box("Fix negative team cash levels caused by corrupt salary data?", "Fix cash levels?",
                         REPAIR_QUESTION) != ID_BOX_YES)
        return;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team)
        if (Is_Active_Team(team) && Get_Team_Financial_Stat(team, FINANCE_CASH) < 0)
            Set_Team_Financial_Stat(team, FINANCE_CASH, Get_Base_Cash());
}
