#include "tools/payroll_balance.h"

#include <cstdlib>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "frontoffice/initial_contracts.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"

namespace {
constexpr int32_t FINANCE_PAYROLL = 89;
constexpr int32_t SCALING_PASSES = 20;
constexpr int32_t CLOSE_ENOUGH = 2;

int32_t Payroll_Ratio(int32_t team, int64_t target) {
    const int64_t payroll = Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    if (payroll == 0) return 0;
    return Clamp_To_Int32(Mul_Div_Round_64(target, 1000, payroll * 1000));
}
} // namespace

int32_t Scale_Team_Payroll(int32_t team, int64_t target) {
    int32_t ratio = Payroll_Ratio(team, target);
    const int32_t first = ratio;
    // An empty payroll cannot be scaled toward anything.
    if (ratio == 0) return first;
    for (int32_t pass = 0; pass < SCALING_PASSES && std::abs(ratio - 1000) > CLOSE_ENOUGH; ++pass) {
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t minimum =
                Get_League_Minimum_Salary(Get_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS));
            const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
            if (salary == minimum) continue;
            const int32_t scaled = Clamp_To_Int32(Mul_Div_Round_64(salary, ratio, 1000));
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY, scaled > minimum ? scaled : minimum);
            const int32_t bonus = Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS);
            Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS,
                                  Clamp_To_Int32(Mul_Div_Round_64(bonus, ratio, 1000)));
        }
        ratio = Payroll_Ratio(team, target);
        if (ratio == 0) break;
    }
    return first;
}

int64_t Get_Balanced_Payroll_Target(int64_t payroll_thousands, int64_t cap) {
    if (cap <= 0) return 0;
    const int64_t share = (payroll_thousands * 9000 + cap / 2) / cap;
    int64_t level = share + 80;
    if (level > 97) level = 97;
    if (level < 92) level = 92;
    return (level * cap + 50) / 100;
}

void Balance_Team_Payrolls() {
    Recalculate_All_Contracts();
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    if (cap == 0) return;
    const int32_t teams = Count_Active_Teams();
    Active_Team_Count = teams;
    for (int32_t team = 0; team < teams; ++team)
        Scale_Team_Payroll(team,
                           Get_Balanced_Payroll_Target(Get_Team_Financial_Stat(team, FINANCE_PAYROLL), cap));
}

std::vector<std::string> Find_Payrolls_Below_Cap_Share(int32_t percent) {
    std::vector<std::string> found;
    const int64_t cap = Get_Universe_Stat(SALARY_CAP);
    if (cap <= 0) return found;
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team) {
        const int64_t payroll = static_cast<int64_t>(Get_Team_Financial_Stat(team, FINANCE_PAYROLL)) * 1000;
        if (payroll * 100 >= cap * percent) continue;
        char abbreviation[TEAM_STRING_LENGTH] = "";
        Get_Team_String(abbreviation, team, 0);
        char line[128];
        safe_sprintf(line, sizeof line, "%s stores a payroll of $%lld against a cap of $%lld", abbreviation,
                     static_cast<long long>(payroll), static_cast<long long>(cap));
        found.push_back(line);
    }
    return found;
}
