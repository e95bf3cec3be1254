#include <gtest/gtest.h>

#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "frontoffice/salary_value.h"
#include "support/test_league.h"

namespace {
void Set_Year(int32_t year) {
    Universe.Header.Universe_Stats[BASE_YEAR] = year;
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
}

void Set_Inflation(int32_t factor) {
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = factor;
}
} // namespace

TEST(SalaryScales, MinimumSalaryFollowsTheYearTableAndInflatesOutsideIt) {
    Build_Test_League();
    Set_Year(2020);
    EXPECT_EQ(Get_League_Minimum_Salary(0), 610);
    EXPECT_EQ(Get_League_Minimum_Salary(12), 1050) << "more than 10 seasons count as 10";
    EXPECT_EQ(Get_League_Minimum_Salary(-3), 610) << "fewer than 0 count as 0";
    Set_Inflation(1500);
    EXPECT_EQ(Get_League_Minimum_Salary(7), 1050) << "table years are not inflated";
    for (int32_t year : {2014, 2023}) {
        Set_Year(year);
        Set_Inflation(1000);
        EXPECT_EQ(Get_League_Minimum_Salary(0), 660) << year << " uses the 2021 row";
        EXPECT_EQ(Get_League_Minimum_Salary(10), 1075) << year;
        Set_Inflation(1500);
        EXPECT_EQ(Get_League_Minimum_Salary(0), 990) << year << " inflates the 2021 row";
    }
}

TEST(SalaryScales, DraftPickValuesAndRookieScale) {
    Build_Test_League();
    ASSERT_EQ(Count_Active_Teams(), 32);
    EXPECT_EQ(Get_Draft_Pick_Value(0, 0), 25268);
    EXPECT_EQ(Get_Draft_Pick_Value(0, 16), 8309) << "the middle pick is the middle anchor";
    EXPECT_EQ(Get_Draft_Pick_Value(7, 0), 0);
    EXPECT_EQ(Get_Draft_Pick_Value(0, 32), 0) << "no pick past the active teams";
    EXPECT_EQ(Get_Draft_Pick_Value(-1, 3), 0);
    for (int32_t round = 0; round < NUMBER_OF_DRAFT_ROUNDS; ++round)
        for (int32_t pick = 1; pick < 32; ++pick)
            EXPECT_LE(Get_Draft_Pick_Value(round, pick), Get_Draft_Pick_Value(round, pick - 1));

    const int32_t minimum = Get_League_Minimum_Salary(0);
    EXPECT_EQ(Get_Rookie_Scale_Salary(0, 0), 3153);
    EXPECT_EQ(Get_Rookie_Scale_Salary(7, 0), minimum) << "no eighth round";
    for (int32_t round = 0; round < NUMBER_OF_DRAFT_ROUNDS; ++round)
        for (int32_t pick = 0; pick < 32; ++pick) {
            EXPECT_GE(Get_Rookie_Scale_Salary(round, pick), minimum);
            if (round >= 4) {
                EXPECT_EQ(Get_Rookie_Scale_Salary(round, pick), Get_Rookie_Scale_Salary(round, 0));
            }
        }
}

TEST(SalaryScales, StandardCapConversionsAgeCurveAndRounding) {
    Build_Test_League();
    EXPECT_EQ(Convert_Standard_Salary(55), 208);
    Universe.Header.Universe_Stats[SALARY_CAP] = 110000000;
    EXPECT_EQ(Scale_To_Reference_Cap(1001), 501) << "rounded, not truncated";
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    EXPECT_EQ(Scale_To_Reference_Cap(2082), 550) << "no cap: the base-year cap";
    EXPECT_EQ(Apply_Age_Salary_Curve(1000, 18), 750);
    EXPECT_EQ(Apply_Age_Salary_Curve(1000, 30), 1000);
    EXPECT_EQ(Apply_Age_Salary_Curve(1000, 44), 840);
    EXPECT_EQ(Round_Salary_Up(501, 480), 505);
    EXPECT_EQ(Round_Salary_Up(505, 480), 505);
    EXPECT_EQ(Round_Salary_Up(480, 480), 480);
    EXPECT_EQ(Round_Salary_Up(300, 661), 661) << "below the minimum: exactly the minimum";
}

TEST(SalaryValue, OnlyQuarterbacksEscapeTheCapDamping) {
    EXPECT_EQ(Apply_Cap_Damping(POSITION_QB, 30000, 100000000), 30000);
    EXPECT_EQ(Apply_Cap_Damping(POSITION_WR, 30000, 100000000), 20000) << "halfway to a tenth of the cap";
    EXPECT_EQ(Apply_Cap_Damping(POSITION_WR, 9000, 100000000), 9000);
    EXPECT_EQ(Apply_Cap_Damping(POSITION_WR, 30000, 0), 30000) << "no cap, no damping";
}

TEST(SalaryValue, SalariesAndDemandsAcrossTheLeague) {
    Build_Test_League();
    Set_Year(2023);
    Set_Inflation(1001);
    const int32_t step = Get_Money_Step(1001);
    for (int32_t team = 0; team < 4; ++team)
        for (int32_t slot = 0; slot < TEST_ROSTER_SIZE; ++slot) {
            const int32_t minimum = Get_Player_Minimum_Salary(team, slot);
            const int32_t salary = Get_Player_Salary_Value(team, slot, 0);
            EXPECT_TRUE(salary == minimum || (salary > minimum && salary % 5 == 0)) << team << "/" << slot;
            const int32_t demand = Get_Player_Contract_Demand(team, slot, 0);
            EXPECT_GE(demand, 0);
            EXPECT_EQ(demand % step, 0);
        }
    // A player of ten has no years to spread his worth over.
    Set_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE, (Get_Current_Year() - 10) * 10000 + 101);
    EXPECT_EQ(Get_Player_Contract_Demand(0, 0, 5000), 0);
}

TEST(SalaryValue, ComparableSalaryWithoutNeighboursFallsBack) {
    Build_Test_League();
    Set_Year(2023);
    Set_Inflation(1001);
    // A free-agent kicker of 60 whose position no franchise player is near.
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_PLAYER_ID, 9999);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_POSITION, POSITION_K);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_BIRTH_DATE, (Get_Current_Year() - 60) * 10000 + 101);
    EXPECT_EQ(Get_Comparable_Player_Salary(FREE_AGENT_TEAM, 0, 777), 777);
    EXPECT_EQ(Get_Player_Salary_Value(FREE_AGENT_TEAM, 0, 1), 661)
        << "worth almost nothing: exactly the (inflated, odd) minimum, not a multiple of 5";
    // A franchise player compares at least with himself.
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    EXPECT_NE(Get_Comparable_Player_Salary(3, slot, -1), -1);
}

// Within a team's scope the other franchises' players are listed once: the
// comparable salaries come to what they do without it, follow the team's own
// contracts as they change, and see every roster again after the scope.
TEST(SalaryValue, ComparableSalariesInATeamScopeFollowTheTeam) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    const auto comparables = [] {
        std::vector<int32_t> salaries;
        for (int32_t team = 0; team < 4; ++team)
            for (int32_t n = 0; n < TEST_ROSTER_SIZE; ++n)
                salaries.push_back(Get_Comparable_Player_Salary(team, n, -1));
        return salaries;
    };
    const std::vector<int32_t> before = comparables();
    const auto raise_salaries = [](int32_t team) {
        for (int32_t n = 0; n < TEST_ROSTER_SIZE; ++n)
            Set_Player_Vital_Stat(team, n, VITAL_SALARY,
                                  2 * Get_Player_Vital_Stat(team, n, VITAL_SALARY) + 100);
    };
    {
        const COMPARABLE_PLAYERS_SCOPE scope(2);
        EXPECT_EQ(comparables(), before);
        const int32_t own = Get_Comparable_Player_Salary(2, slot, -1);
        raise_salaries(2);
        EXPECT_GT(Get_Comparable_Player_Salary(2, slot, -1), own)
            << "the team's own contracts are read again";
        {
            const COMPARABLE_PLAYERS_SCOPE other(FREE_AGENT_TEAM);
            const int32_t rest = Get_Comparable_Player_Salary(3, slot, -1);
            raise_salaries(3);
            EXPECT_GT(Get_Comparable_Player_Salary(3, slot, -1), rest) << "two teams: every roster is walked";
        }
    }
    const std::vector<int32_t> after = comparables();
    {
        const COMPARABLE_PLAYERS_SCOPE pool(FREE_AGENT_TEAM);
        EXPECT_EQ(comparables(), after) << "a pool's scope lists every franchise";
    }
}

// What a team's own pick costs it (the rookie scale plus a quarter of the
// pick's value), the rookie scale of the pick on the clock, a pool player's
// bonus demand (the clock's pick value scaled by his pool value over the
// best), and the league's mean payroll per mille of the cap.
TEST(SalaryScales, PickCostsOnTheClockAndTheLeaguesPayrollAverage) {
    Build_Test_League();
    EXPECT_EQ(Get_Rookie_Scale_Plus_Quarter_Pick_Value(0, 0), 3153 + 25268 / 4);
    EXPECT_EQ(Get_Rookie_Scale_Plus_Quarter_Pick_Value(7, 0), Get_League_Minimum_Salary(0))
        << "no eighth round: the minimum and no value";
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 16);
    EXPECT_EQ(Get_Rookie_Scale_On_The_Clock(), Get_Rookie_Scale_Salary(0, 16));
    EXPECT_EQ(Get_Draft_Pool_Bonus_Demand(500, 1000), (8309 + 1) / 2) << "half the best pool value";
    EXPECT_EQ(Get_Draft_Pool_Bonus_Demand(1000, 1000), 8309);
    EXPECT_EQ(Get_Draft_Pool_Bonus_Demand(700, 0), 0) << "an empty pool asks nothing";
    Set_User_Preference(DRAFT_ROUND, 2);
    Set_User_Preference(DRAFT_PICK, 0);
    EXPECT_EQ(Get_Rookie_Scale_On_The_Clock(), Get_Rookie_Scale_Salary(2, 0));

    int64_t payrolls = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        payrolls += Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    Universe.Header.Universe_Stats[SALARY_CAP] =
        static_cast<int32_t>(payrolls * 1000 / TEST_LEAGUE_TEAMS * 2);
    EXPECT_EQ(Get_League_Payroll_Average_Per_Cap(), 500) << "half the cap";
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    EXPECT_EQ(Get_League_Payroll_Average_Per_Cap(), 0) << "no cap";
}
