#include "tools/contract_minimums.h"

#include <algorithm>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"

void Raise_Salaries_To_Minimum() {
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t minimum = Get_Player_Minimum_Salary(team, slot);
            const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
            if (salary >= minimum) continue;
            Set_Player_Vital_Stat(team, slot, VITAL_SALARY, minimum);
            const int64_t bonus =
                static_cast<int64_t>(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS)) -
                static_cast<int64_t>(minimum - salary) * Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS);
            Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS,
                                  Clamp_To_Int32(std::max<int64_t>(0, bonus)));
        }
}

void Fix_Contract_Minimums() {
    for (int32_t team = 0; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (!Is_Player_Slot_Used(team, slot)) continue;
            const int32_t minimum = Get_Player_Minimum_Salary(team, slot);
            if (Get_Player_Vital_Stat(team, slot, VITAL_SALARY) < minimum)
                Set_Player_Vital_Stat(team, slot, VITAL_SALARY, minimum);
            const int32_t years = std::max(1, Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS));
            Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
            if (Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS) < years)
                Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, years);
        }
}
