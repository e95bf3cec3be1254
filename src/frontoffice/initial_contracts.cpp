// Contracts of a new league.
#include "frontoffice/initial_contracts.h"

#include "app/progress_window.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_finances.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "personnel/contract_length.h"

namespace {
constexpr int32_t MAX_PROGRESS_STEPS = 10;

// Scales a salary or bonus by a per-mille ratio into a contract figure.
int32_t Scale_Contract_Figure(int32_t figure, int64_t ratio, int32_t minimum) {
    return Round_Salary_Up(Clamp_To_Int32(Mul_Div_Round_64(figure, ratio, 1000)), minimum);
}
} // namespace

void Set_Player_Initial_Contract(int32_t team, int32_t slot) {
    if (!Is_Player_Slot_Used(team, slot)) return;
    int32_t length = Get_Desired_Contract_Length(team, slot);
    if (length < 1) length = 1;
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, length);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
    const int32_t seasons = Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS);
    const int32_t into = ((seasons % length) + length) % length;
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, into == 0 ? length : into);
    Set_Player_Contract_Demand(team, slot, 0);
    // The bonus is a third of the salary over the whole contract; the field
    // holds what is still to count against the cap, the share of the years
    // still to run.
    const int64_t bonus = static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SALARY)) * length / 3;
    const int32_t years = Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, Clamp_To_Int32(bonus * years / length));
}

void Recalculate_All_Contracts() {
    int32_t steps = 0;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
            if (Is_Player_Slot_Used(team, slot)) Set_Player_Initial_Contract(team, slot);
        if (team % 3 == 2 && steps < MAX_PROGRESS_STEPS) {
            Step_Progress(1);
            ++steps;
        }
    }
}

int32_t Get_Target_Payroll() {
    const int64_t cap = Get_Universe_Stat(SALARY_CAP) / 1000;
    int64_t target = Mul_Div_Round_64(cap, 90, 100);
    if (cap == 0 || target == 0) target = Mul_Div_Round_64(Get_Universe_Stat(INFLATION_FACTOR), 208200, 1000);
    return Clamp_To_Int32(target);
}

void Calculate_Player_Contracts() {
    const int64_t target = Get_Target_Payroll();
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        // The cash settles against the payroll as it stood before the scaling.
        const int64_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
        const int64_t cash = (target - payroll) * 1000 + Get_Team_Financial_Stat(team, FINANCE_CASH);
        Set_Team_Financial_Stat(team, FINANCE_CASH, Clamp_To_Int32(cash));
        const int64_t ratio = payroll == 0 ? 0 : (target * 1000 + payroll / 2) / payroll;
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t minimum = Get_Player_Minimum_Salary(team, slot);
            Set_Player_Vital_Stat(
                team, slot, VITAL_SALARY,
                Scale_Contract_Figure(Get_Player_Vital_Stat(team, slot, VITAL_SALARY), ratio, minimum));
            Set_Player_Vital_Stat(
                team, slot, VITAL_SIGNING_BONUS,
                Scale_Contract_Figure(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS), ratio,
                                      minimum));
        }
    }
}
