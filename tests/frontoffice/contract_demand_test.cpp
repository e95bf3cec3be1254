#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/contract_demand.h"
#include "frontoffice/contract_texts.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salary_value.h"
#include "personnel/contract_length.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 6;

// Salary a free agent asks for `years` with `bonus` already under discussion.
// (A free agent's own terms do not enter the comparable salaries he is
// priced from.)
int32_t Salary_For(int32_t slot, int32_t years, int32_t bonus) {
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_CONTRACT_YEARS, years);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SIGNING_BONUS, bonus);
    Set_Player_Contract_Demand(FREE_AGENT_TEAM, slot, 0);
    return Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SALARY);
}
} // namespace

TEST(ContractDemand, LongerContractsAndBiggerBonusesReshapeTheSalary) {
    Build_Test_League();
    constexpr int32_t slot = 0;
    Copy_Player(FREE_AGENT_TEAM, slot, TEAM, Test_League_Slot(POSITION_WR, 0));
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_BIRTH_DATE, (Get_Current_Year() - 30) * 10000 + 101);
    // Past the free-agent season, so the free agent keeps his full worth.
    Set_User_Preference(CURRENT_WEEK, 3);
    Universe.Post_Season_Days[4] = 0;
    const int32_t desired = Get_Desired_Contract_Length(FREE_AGENT_TEAM, slot);
    ASSERT_LT(desired, 6);
    const int32_t demand = Get_Player_Contract_Demand(FREE_AGENT_TEAM, slot, 0);
    ASSERT_GT(demand, 0);
    const int32_t base = Salary_For(slot, desired, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SIGNING_BONUS), demand)
        << "the bonus rises to the demand";
    // Past 27 no premium for the extra years, only the bonus spread thinner.
    const int32_t longer = Salary_For(slot, desired + 2, 0);
    EXPECT_NEAR(longer - base, demand / desired - demand / (desired + 2), 5);

    // Each $100,000 of bonus beyond the demand buys its worth compounded at
    // 12 % a year, spread over the years.
    const int32_t years = desired;
    int32_t compounded = 100;
    for (int32_t year = 0; year < years; ++year)
        compounded = (compounded * 1120 + 500) / 1000;
    const int32_t even = Salary_For(slot, years, demand);
    EXPECT_EQ(Salary_For(slot, years, 0), even) << "a bonus at the demand changes nothing";
    EXPECT_NEAR(Salary_For(slot, years, demand + 100), even - compounded / years, 5);

    Shorten_Contract_Offer(FREE_AGENT_TEAM, slot);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_CONTRACT_YEARS), years - 1);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_BONUS_YEARS), years - 1);
    Lengthen_Contract_Offer(FREE_AGENT_TEAM, slot);
    Lengthen_Contract_Offer(FREE_AGENT_TEAM, slot);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_CONTRACT_YEARS), years + 1);
}

TEST(ContractDemand, CapRoomAfterSigning) {
    Build_Test_League();
    const int32_t slot = Test_League_Slot(POSITION_QB, 0);
    // Fifty players: the payroll counts every charge, and would count his.
    for (int32_t s = TEST_ROSTER_SIZE - 1; s >= 50; --s)
        Delete_Player(TEAM, s);
    ASSERT_LT(slot, 50);
    const int32_t payroll = Get_Team_Financial_Stat(TEAM, FINANCE_PAYROLL);
    const int32_t impact = Get_Player_Vital_Stat(7, slot, VITAL_CAP_CHARGE);
    Universe.Header.Universe_Stats[SALARY_CAP] = 1000 * (payroll + impact);
    EXPECT_EQ(Get_Cap_Room_After_Signing(TEAM, 7, slot), 0) << "exactly at the cap still signs";
    EXPECT_EQ(Get_Cap_Room_After_Signing(TEAM, TEAM, slot), impact) << "his own player is counted already";
    Universe.Header.Universe_Stats[SALARY_CAP] = 0;
    EXPECT_EQ(Get_Cap_Room_After_Signing(TEAM, 7, slot), 0);
}

TEST(ContractDemand, AffordableDraftPoolPlayersAreThoseWhoseBonusTheCashCovers) {
    Build_Test_League();
    for (int32_t n = 0; n < 6; ++n)
        Copy_Player(FIRST_COLLEGE_POOL_TEAM, n, 9, Test_League_Slot(POSITION_QB, 0) + 4 * n);
    Set_User_Preference(DRAFT_ROUND, 0);
    Set_User_Preference(DRAFT_PICK, 0);
    Set_User_Preference(OWNER_MODE, 1);
    Set_User_Preference(USER_TEAM, TEAM);
    const int32_t best = Update_Draft_Pool_Values();
    ASSERT_GT(best, 0);
    int32_t demands[6];
    for (int32_t n = 0; n < 6; ++n)
        demands[n] = Get_Player_Contract_Demand(FIRST_COLLEGE_POOL_TEAM, n, 0);
    Set_Team_Financial_Stat(TEAM, FINANCE_CASH, 1000 * demands[3]);
    int32_t expected = 0;
    for (int32_t demand : demands)
        if (demand <= demands[3]) ++expected;
    EXPECT_EQ(Count_Affordable_Draft_Pool_Players(), expected);
    Set_Team_Financial_Stat(TEAM, FINANCE_CASH, -1000);
    EXPECT_EQ(Count_Affordable_Draft_Pool_Players(), 0);
}

TEST(ContractTexts, PayrollCashAndTermsTexts) {
    Build_Test_League();
    char text[CONTRACT_TEXT_SIZE];
    Get_Payroll_Status_Text(text, 1500, 1);
    EXPECT_EQ(std::string(text), "Room Under Salary Cap:\n$1,500,000\n(After signing this player)");
    Get_Payroll_Status_Text(text, 0, 0);
    EXPECT_EQ(std::string(text), "Exceeding Salary Cap by: $0,000");
    Set_User_Preference(OWNER_MODE, 1);
    Set_User_Preference(USER_TEAM, TEAM);
    Set_Team_Financial_Stat(TEAM, FINANCE_CASH, -5000000);
    Get_Team_Cash_Text(text);
    EXPECT_EQ(std::string(text), "Team Debt: $5,000,000");

    const int32_t slot = Test_League_Slot(POSITION_K, 0);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CONTRACT_YEARS, 4);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_SALARY, 2500);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS, 1200);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_BONUS_YEARS, 4);
    Get_Contract_Terms_Text(TEAM, slot, text);
    const std::string terms(text);
    EXPECT_NE(
        terms.find("\nFour Year Contract\n(Through 2023)\nSalary: $2,500,000\nSigning Bonus: $1,200,000\n"
                   "Payroll Impact: $2,800,000"),
        std::string::npos)
        << terms;
    Get_Contract_Scouting_Text(TEAM, slot, text);
    const std::string scouting(text);
    EXPECT_EQ(scouting.rfind("Overall: ", 0), 0u) << scouting;
    EXPECT_NE(scouting.find("FG Accuracy: "), std::string::npos) << scouting;
}

// Every player of the pool's list is valued, pool team by pool team, and the
// best value returned; a player behind an empty slot is not on the list.
TEST(ContractDemand, DraftPoolValuesCoverTheListOfEveryPoolTeam) {
    Build_Test_League();
    const int32_t sizes[3] = {3, 2, 1};
    int32_t source = Test_League_Slot(POSITION_QB, 0);
    for (int32_t pool = 0; pool < 3; ++pool)
        for (int32_t slot = 0; slot < sizes[pool]; ++slot)
            Copy_Player(FIRST_COLLEGE_POOL_TEAM + pool, slot, 9, source++);
    Copy_Player(FIRST_COLLEGE_POOL_TEAM + 1, 3, 9, source);
    Set_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM + 1, 3, VITAL_DRAFT_POOL_VALUE, -5);
    int32_t best = 0;
    for (int32_t pool = 0; pool < 3; ++pool)
        for (int32_t slot = 0; slot < sizes[pool]; ++slot) {
            Set_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM + pool, slot, VITAL_DRAFT_POOL_VALUE, -5);
            best =
                std::max(best, Get_Player_Stat(FIRST_COLLEGE_POOL_TEAM + pool, slot, SEASON_PREDICTED, 299));
        }
    ASSERT_GT(best, 0);
    EXPECT_EQ(Update_Draft_Pool_Values(), best);
    for (int32_t pool = 0; pool < 3; ++pool)
        for (int32_t slot = 0; slot < sizes[pool]; ++slot)
            EXPECT_EQ(Get_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM + pool, slot, VITAL_DRAFT_POOL_VALUE),
                      Get_Player_Stat(FIRST_COLLEGE_POOL_TEAM + pool, slot, SEASON_PREDICTED, 299))
                << pool << " " << slot;
    EXPECT_EQ(Get_Player_Vital_Stat(FIRST_COLLEGE_POOL_TEAM + 1, 3, VITAL_DRAFT_POOL_VALUE), -5);
}
