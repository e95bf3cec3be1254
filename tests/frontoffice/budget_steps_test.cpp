#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/budget_steps.h"
#include "support/test_league.h"

TEST(BudgetSteps, PricesAndBudgetsMoveByTheirStepsWithinTheirBounds) {
    Build_Test_League();
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1000;
    // Tickets: a $1 step, floored to it, $0 .. $500.
    EXPECT_EQ(Step_Ticket_Price(49950, 1), 50000);
    EXPECT_EQ(Step_Ticket_Price(50000, 1), 50000);
    EXPECT_EQ(Step_Ticket_Price(4550, 0), 4400) << "down a step, then floored";
    EXPECT_EQ(Step_Ticket_Price(50, 0), 0);
    // Concessions: a quarter's step (25 cents), not floored, $0 .. $100.
    EXPECT_EQ(Step_Concession_Price(9963, 1), 9988);
    EXPECT_EQ(Step_Concession_Price(9988, 1), 10000);
    EXPECT_EQ(Step_Concession_Price(13, 0), 0);
    // Staff budgets: 100 steps, held to 0 .. 50,000,000, then floored.
    EXPECT_EQ(Step_Staff_Budget(96400, 1), 100000);
    EXPECT_EQ(Step_Staff_Budget(49995000, 1), 50000000);
    EXPECT_EQ(Step_Staff_Budget(5000, 0), 0);
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 2000;
    EXPECT_EQ(Step_Ticket_Price(10000, 1), 10200) << "the step grows with inflation";
}

TEST(BudgetSteps, OnlyTheUsersTeamIsEditableAndAnInvalidUserTeamCountsAsTeamZero) {
    Build_Test_League();
    Set_User_Preference(COMMISSIONER_MODE, 0);
    Set_User_Preference(USER_TEAM, 4);
    EXPECT_EQ(Is_Team_Budget_Editable(4), 1);
    EXPECT_EQ(Is_Team_Budget_Editable(0), 0);
    Set_User_Preference(USER_TEAM, 77);
    EXPECT_EQ(Get_Budget_User_Team(), 0);
    EXPECT_EQ(Is_Team_Budget_Editable(0), 1) << "counted as team 0";
    EXPECT_EQ(Is_Team_Budget_Editable(1), 0);
    Set_User_Preference(USER_TEAM, -1);
    EXPECT_EQ(Is_Team_Budget_Editable(0), 1);
    Set_User_Preference(USER_TEAM, TEST_LEAGUE_TEAMS + 1);
    EXPECT_EQ(Get_Budget_User_Team(), 0) << "a franchise slot not in use";
    Set_User_Preference(USER_TEAM, HALL_OF_FAME_TEAM);
    EXPECT_EQ(Get_Budget_User_Team(), HALL_OF_FAME_TEAM) << "37 counts as itself";
    EXPECT_EQ(Is_Team_Budget_Editable(0), 0);
    for (const int32_t pool : {FREE_AGENT_TEAM, 38, 40}) {
        Set_User_Preference(USER_TEAM, pool);
        EXPECT_EQ(Get_Budget_User_Team(), pool) << "a pool stays itself";
    }
    Set_User_Preference(COMMISSIONER_MODE, 1);
    EXPECT_EQ(Is_Team_Budget_Editable(9), 1);
}
