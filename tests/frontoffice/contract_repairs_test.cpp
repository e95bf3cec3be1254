#include <gtest/gtest.h>

#include "database/player_record.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "frontoffice/contract_repairs.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/money.h"
#include "frontoffice/salaries.h"
#include "platform/message_box.h"
#include "support/test_league.h"

namespace {
void Set_Draft(int32_t team, int32_t slot, int32_t year, int32_t round, int32_t pick) {
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_RECORD, (team + 1) * 10000 + year);
    Set_Player_Vital_Stat(team, slot, VITAL_DRAFT_SLOT, round * 100000 + pick * 1000);
}
} // namespace

TEST(ContractRepairs, RookieContractsOfTheNewerClassesGetFourYearTerms) {
    Build_Test_League();
    Set_Draft(0, 1, 2020, 1, 1);
    Set_Draft(0, 2, 2018, 1, 2);
    Set_Draft(0, 3, 2021, 2, 5);
    Set_Player_Vital_Stat(0, 3, VITAL_BONUS_YEARS, 4);
    Set_Player_Vital_Stat(0, 3, VITAL_CONTRACT_YEARS, 9);
    Set_Draft(FREE_AGENT_TEAM, 0, 2022, 1, 16);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_PLAYER_ID, 9001);

    Fix_Rookie_Contracts(1);

    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_BONUS_YEARS), 4);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_CONTRACT_YEARS), 2) << "drafted 2020: two years";
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_SIGNING_BONUS), (25268 - 2 * 25268 / 5) * 2 / 4)
        << "a bonus below 60 % of the first pick's value is raised to it, two of its four years still "
           "to count";
    EXPECT_EQ(Get_Player_Vital_Stat(0, 2, VITAL_BONUS_YEARS), 0) << "classes before 2019 keep their terms";
    EXPECT_EQ(Get_Player_Vital_Stat(0, 3, VITAL_CONTRACT_YEARS), 9) << "a contract already marked stays";
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS), 4)
        << "free agents are repaired too";

    Set_Player_Vital_Stat(0, 4, VITAL_SIGNING_BONUS, 7);
    Set_Draft(0, 4, 2020, 1, 1);
    Fix_Rookie_Contracts(0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 4, VITAL_SIGNING_BONUS), 7) << "without the flag bonuses stand";
}

TEST(ContractRepairs, CorruptSalariesAreFoundAndRepairedWithOneQuestionEach) {
    Build_Test_League();
    Clear_Shown_Messages();
    Fix_Corrupt_Salary_Data();
    EXPECT_TRUE(Get_Shown_Messages().empty()) << "nothing to repair, nothing asked";

    const int32_t threshold = Get_Corrupt_Salary_Threshold();
    EXPECT_EQ(threshold, 69400);
    Set_User_Preference(OWNER_MODE, 1);
    Set_Player_Vital_Stat(2, 0, VITAL_SALARY, threshold + 1);
    Set_Player_Vital_Stat(2, 7, VITAL_SALARY, 50000000);
    Set_Player_Vital_Stat(9, 11, VITAL_SALARY, -40);
    Set_Team_Financial_Stat(4, FINANCE_CASH, -5000000);
    Set_Team_Financial_Stat(5, FINANCE_CASH, 3000000);

    Script_Message_Answer("Fix salary data?", ID_BOX_NO);
    Fix_Corrupt_Salary_Data();
    ASSERT_EQ(Get_Shown_Messages().size(), 1u) << "a No ends the repair";
    EXPECT_EQ(Get_Player_Vital_Stat(2, 7, VITAL_SALARY), 50000000);

    Clear_Shown_Messages();
    Script_Message_Answer("Fix salary data?", ID_BOX_YES);
    Script_Message_Answer("Fix cash levels?", ID_BOX_YES);
    Fix_Corrupt_Salary_Data();
    ASSERT_EQ(Get_Shown_Messages().size(), 2u) << "one question per repair, not one per player";
    EXPECT_EQ(Get_Shown_Messages()[0].Caption, "Fix salary data?");
    EXPECT_EQ(Get_Shown_Messages()[1].Caption, "Fix cash levels?");
    for (const auto& [team, slot] : {std::pair{2, 0}, std::pair{2, 7}, std::pair{9, 11}}) {
        const int32_t salary = Get_Player_Vital_Stat(team, slot, VITAL_SALARY);
        EXPECT_GE(salary, Get_Player_Minimum_Salary(team, slot));
        EXPECT_LE(salary, threshold) << "a repaired salary is not priced from the corrupt ones";
    }
    EXPECT_EQ(Get_Team_Financial_Stat(4, FINANCE_CASH), Get_Base_Cash());
    EXPECT_EQ(Get_Team_Financial_Stat(5, FINANCE_CASH), 3000000);
    Clear_Shown_Messages();
}
