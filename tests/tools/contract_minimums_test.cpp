// A built league's contracts brought up to the season's minimums.
#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/universe.h"
#include "frontoffice/salaries.h"
#include "support/test_league.h"
#include "tools/contract_minimums.h"

namespace {
void Set_Contract(int32_t team, int32_t slot, int32_t seasons, int32_t salary, int32_t bonus, int32_t years,
                  int32_t length) {
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, seasons);
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, salary);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, bonus);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, length);
}
} // namespace

TEST(ContractMinimums, RaisesPayTheBonusGivesUpAndMendsTheContractYears) {
    Build_Test_League();
    const int32_t minimum = Get_League_Minimum_Salary(4);
    Set_Contract(3, 0, 4, minimum - 100, 1000, 2, 3);
    Set_Contract(3, 1, 4, minimum - 100, 200, 2, 3);
    Set_Contract(3, 2, 4, minimum + 300, 1000, 2, 3);
    Raise_Salaries_To_Minimum();
    EXPECT_EQ(Get_Player_Vital_Stat(3, 0, VITAL_SALARY), minimum);
    EXPECT_EQ(Get_Player_Vital_Stat(3, 0, VITAL_SIGNING_BONUS), 700) << "100 a year over a contract of 3";
    EXPECT_EQ(Get_Player_Vital_Stat(3, 1, VITAL_SIGNING_BONUS), 0) << "a bonus never goes negative";
    EXPECT_EQ(Get_Player_Vital_Stat(3, 2, VITAL_SALARY), minimum + 300);
    EXPECT_EQ(Get_Player_Vital_Stat(3, 2, VITAL_SIGNING_BONUS), 1000) << "paid above the minimum: unchanged";

    Universe.Teams[FREE_AGENT_TEAM].Players[0] = Universe.Teams[3].Players[10];
    Set_Contract(FREE_AGENT_TEAM, 0, 0, 1, 0, 0, 0);
    Set_Contract(3, 3, 1, minimum + 500, 0, 4, 2);
    Fix_Contract_Minimums();
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY), Get_League_Minimum_Salary(0))
        << "every team slot, the free agents too";
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_BONUS_YEARS), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(3, 3, VITAL_BONUS_YEARS), 4) << "the length covers the years left";
}
