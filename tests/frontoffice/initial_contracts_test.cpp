#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/initial_contracts.h"
#include "frontoffice/salaries.h"
#include "personnel/contract_length.h"
#include "support/test_league.h"

namespace {
int32_t Payroll(int32_t team) {
    return Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
}
} // namespace

TEST(InitialContracts, ExperiencePlacesAPlayerPartWayThroughHisContract) {
    Build_Test_League();
    constexpr int32_t team = 3;
    const int32_t slot = Test_League_Slot(POSITION_LB, 0);
    // From two credited seasons on a player's value (and so the length he
    // asks for) no longer changes with his experience.
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 2);
    const int32_t length = Get_Desired_Contract_Length(team, slot);
    ASSERT_GE(length, 2);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, length + 1);
    Set_Player_Initial_Contract(team, slot);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS), length);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS), 1);
    // A third of the salary over the whole contract, of which the share of
    // the one year left is still to count: the cap charges a share a year.
    const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS), salary * length / 3 / length);
    Set_Player_Vital_Stat(team, slot, VITAL_CREDITED_SEASONS, 2 * length);
    Set_Player_Initial_Contract(team, slot);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS), length);
    EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS),
              Get_Player_Vital_Stat(team, slot, VITAL_SALARY) * length / 3)
        << "the whole bonus still to count";
}

TEST(InitialContracts, PayrollScaledToNinetyPercentOfTheCap) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    Universe.Header.Universe_Stats[SALARY_CAP] = 100000000;
    constexpr int32_t team = 0;
    // Fifty players at 2,000 and three at nothing: a payroll of 100,000.
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
        Set_Player_Vital_Stat(team, slot, VITAL_SALARY, slot < 50 ? 2000 : 0);
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 0);
        Set_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS, 0);
    }
    ASSERT_EQ(Payroll(team), 100000);
    Set_Team_Financial_Stat(team, FINANCE_CASH, 30000000);
    // A team with nobody under contract.
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        Set_Player_Vital_Stat(1, slot, VITAL_SALARY, 0);
    ASSERT_EQ(Payroll(1), 0);

    Calculate_Player_Contracts();

    EXPECT_EQ(Get_Target_Payroll(), 90000);
    EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_CASH), 20000000) << "the cut payroll comes off the cash";
    EXPECT_EQ(Get_Player_Vital_Stat(team, 0, VITAL_SALARY), 1800);
    const int32_t minimum = Get_Player_Minimum_Salary(team, 52);
    EXPECT_EQ(Get_Player_Vital_Stat(team, 52, VITAL_SALARY), minimum);
    EXPECT_EQ(Get_Player_Vital_Stat(team, 0, VITAL_SIGNING_BONUS), minimum)
        << "every bonus at least the minimum";
    for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
        EXPECT_EQ(Get_Player_Vital_Stat(1, slot, VITAL_SALARY), Get_Player_Minimum_Salary(1, slot));
        EXPECT_EQ(Get_Player_Vital_Stat(1, slot, VITAL_SIGNING_BONUS), Get_Player_Minimum_Salary(1, slot));
    }

    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    EXPECT_EQ(Get_Target_Payroll(), 208200) << "no cap: 90 % of nothing gives way to the base-year cap";
}

TEST(InitialContracts, NewLeagueContractsBringEveryPayrollToTheTarget) {
    Build_Test_League();
    Recalculate_All_Contracts();
    Calculate_Player_Contracts();
    const int32_t target = Get_Target_Payroll();
    ASSERT_EQ(target, 178200);
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        // Each of the 51 counted players may gain up to 5 on his salary and
        // on his yearly share of the bonus, or lose up to 6 when that share
        // (bonus over up to 7 years) is truncated, and the ratio is rounded to
        // a per mille of a payroll that was itself near the target.
        const int32_t payroll = Payroll(team);
        EXPECT_GE(payroll, target - target / 1000 - 51 * 6) << "team " << team;
        EXPECT_LE(payroll, target + target / 1000 + 51 * 10) << "team " << team;
    }
}
