#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/salaries.h"
#include "support/debug_log.h"
#include "support/test_league.h"

namespace {
void Reset_Finance_League(int teams) {
    std::memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < teams ? TEAM_CONTROL_COMPUTER : -1;
    Universe.Season_Length = 17;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 17;
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 1000;
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_User_Preference(OWNER_MODE, 1);
    Clear_Debug_Log();
}

void Put_Player(int team, int slot, int salary, int bonus, int years) {
    Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, 1000 + 100 * team + slot);
    Set_Player_Vital_Stat(team, slot, VITAL_SALARY, salary);
    Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, bonus);
    Set_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS, years);
}
} // namespace

TEST(TeamFinances, GeneralManagerModeHidesTheOwnersMoney) {
    Reset_Finance_League(4);
    Set_Team_Financial_Stat(1, 2, 1500);
    Set_Team_Financial_Stat(1, FINANCIAL_STAT_CASH, 5000000);
    Set_User_Preference(OWNER_MODE, 0);
    EXPECT_EQ(Get_Team_Financial_Stat(1, 2), 1000);
    EXPECT_EQ(Get_Team_Financial_Stat(3, 0), 1000);
    EXPECT_EQ(Get_Team_Financial_Stat(1, FINANCIAL_STAT_CASH), 26025000);
    Universe.Header.Universe_Stats[INFLATION_FACTOR] = 2000;
    EXPECT_EQ(Get_Team_Financial_Stat(1, FINANCIAL_STAT_CASH), 52050000);
    Set_User_Preference(OWNER_MODE, 1);
    EXPECT_EQ(Get_Team_Financial_Stat(1, 2), 1500);
    EXPECT_EQ(Get_Team_Financial_Stat(1, FINANCIAL_STAT_CASH), 5000000);
}

TEST(TeamFinances, CashIsClampedAndBadTeamsAreHandled) {
    Reset_Finance_League(4);
    Set_Team_Financial_Stat(0, FINANCIAL_STAT_CASH, 2000000000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCIAL_STAT_CASH), 1000000000);
    Set_Team_Financial_Stat(0, FINANCIAL_STAT_CASH, -150000000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCIAL_STAT_CASH), -100000000);

    Set_Team_Financial_Stat(NO_TEAM, 5, 9);
    Set_Team_Financial_Stat(-NO_TEAM, 5, 9);
    EXPECT_EQ(Count_Error_Lines(), 0) << "no team is ignored silently";
    Set_Team_Financial_Stat(38, 5, 9);
    EXPECT_EQ(Get_Team_Financial_Stat(38, 5), 9) << "the pools keep the value";
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Set_Team_Financial_Stat(38,5,9)"), 1);
    Set_Team_Financial_Stat(41, 5, 9);
    Set_Team_Financial_Stat(2, 80, 9);
    EXPECT_EQ(Count_Error_Lines(), 3);
    EXPECT_EQ(Get_Team_Financial_Stat(2, 80), 0) << "stat 80 is computed, not stored";
    EXPECT_EQ(Get_Team_Financial_Stat(NO_TEAM, 5), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(50, 5), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(1, 110), 0);
}

TEST(TeamFinances, LeagueMeanIsTruncated) {
    Reset_Finance_League(3);
    Set_Team_Financial_Stat(0, FINANCIAL_STAT_CASH, 10);
    Set_Team_Financial_Stat(1, FINANCIAL_STAT_CASH, 10);
    Set_Team_Financial_Stat(2, FINANCIAL_STAT_CASH, 11);
    EXPECT_EQ(Get_Team_Financial_Stat(LEAGUE_MEAN_TEAM, FINANCIAL_STAT_CASH), 10);
    Set_Team_Financial_Stat(2, FINANCIAL_STAT_CASH, 1000000000);
    Set_Team_Financial_Stat(1, FINANCIAL_STAT_CASH, 1000000000);
    EXPECT_EQ(Get_Team_Financial_Stat(LEAGUE_MEAN_TEAM, FINANCIAL_STAT_CASH), 666666670)
        << "summed in 64 bits";
    Reset_Finance_League(0);
    EXPECT_EQ(Get_Team_Financial_Stat(LEAGUE_MEAN_TEAM, FINANCIAL_STAT_CASH), 0);
}

TEST(TeamFinances, ComputedRevenueExpensesAndProjections) {
    Reset_Finance_League(4);
    const int revenue[5][2] = {{10, 11}, {14, 16}, {22, 23}, {29, 30}, {36, 37}};
    for (int item = 0; item < 5; ++item) {
        Set_Team_Financial_Stat(0, revenue[item][0], 100 * (item + 1));
        Set_Team_Financial_Stat(0, revenue[item][1], 1000 * (item + 1));
    }
    for (int stat : {51, 54, 57, 60, 63})
        Set_Team_Financial_Stat(0, stat, stat);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 82), 1500);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 83), 15000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 86), 51 + 54 + 60 + 63);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 80), 51 + 54 + 60 + 63 + 57);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 84), 1500 - 285);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 101), 15000) << "before the first game: last season's revenue";
    Set_Team_Record_Char(0, RECORD_CHAR_WINS, 4);
    Set_Team_Record_Char(0, RECORD_CHAR_LOSSES, 3);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 101), 3643) << "1500 x 17 / 7 = 3642.86, rounded";

    Set_Team_Financial_Stat(0, 15, 777);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 92), 777) << "stat 70 of 0 leaves stat 15 whole";
    Set_Team_Financial_Stat(0, 70, 10);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 92), 77);
    Set_Team_Financial_Stat(0, 19, 50);
    Set_Team_Financial_Stat(0, 72, 10);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 93), 50) << "a zero divisor leaves stat 19 whole";

    Set_Team_Financial_Stat(0, FINANCIAL_STAT_CASH, 13012500);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 98), 500);
    Set_Team_Financial_Stat(0, FINANCIAL_STAT_CASH, -5000000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, 98), 0) << "never below 0";
    EXPECT_EQ(Get_Team_Financial_Stat(0, 97), 0) << "no franchise value";
}

TEST(TeamFinances, RosterAveragesDivideBy51) {
    Reset_Finance_League(4);
    Put_Player(1, 0, 5100, 510, 3);
    Put_Player(1, 7, 5100, 0, 2);
    Put_Player(1, 60, 9999, 9999, 9);
    EXPECT_EQ(Get_Team_Financial_Stat(1, 94), 200) << "slots past 50 are not averaged";
    EXPECT_EQ(Get_Team_Financial_Stat(1, 104), 10);
    EXPECT_EQ(Get_Team_Financial_Stat(1, 96), (10 * 5 + 25) / 51);
}

TEST(TeamFinances, RankCountsTiesHalf) {
    Reset_Finance_League(4);
    Set_Team_Financial_Stat(0, FINANCIAL_STAT_CASH, 500);
    Set_Team_Financial_Stat(1, FINANCIAL_STAT_CASH, 500);
    Set_Team_Financial_Stat(2, FINANCIAL_STAT_CASH, 300);
    Set_Team_Financial_Stat(3, FINANCIAL_STAT_CASH, 100);
    EXPECT_EQ(Get_Team_Financial_Rank(0, FINANCIAL_STAT_CASH), 1);
    EXPECT_EQ(Get_Team_Financial_Rank(1, FINANCIAL_STAT_CASH), 1);
    EXPECT_EQ(Get_Team_Financial_Rank(2, FINANCIAL_STAT_CASH), 2);
    EXPECT_EQ(Get_Team_Financial_Rank(3, FINANCIAL_STAT_CASH), 3);
    Set_Team_Financial_Stat(0, FINANCIAL_STAT_CASH, 900);
    EXPECT_EQ(Get_Team_Financial_Rank(0, FINANCIAL_STAT_CASH), 0);
}

TEST(TeamFinances, SeasonStartClearsThisSeasonsAmounts) {
    Reset_Finance_League(4);
    for (int stat = 0; stat < 80; ++stat)
        Set_Team_Financial_Stat(2, stat, stat + 1);
    Clear_Previous_Financial_Stats(2);
    EXPECT_EQ(Get_Team_Financial_Stat(2, 10), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(2, 72), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(2, 11), 12) << "last season stays";
    EXPECT_EQ(Get_Team_Financial_Stat(2, 68), 69);
    Clear_Previous_Financial_Stats(37);
    EXPECT_EQ(Count_Debug_Lines("nTeam out of bounds in Clear_Previous_Financial_Stats"), 1);
}

TEST(TeamFinances, PayrollCountsTheFiftyOneLargestCapCharges) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    std::vector<int32_t> charges;
    int64_t bonus_charges = 0;
    for (int slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (Get_Player_Vital_Stat(4, slot, VITAL_PLAYER_ID) == 0) continue;
        charges.push_back(Get_Player_Vital_Stat(4, slot, VITAL_CAP_CHARGE));
        bonus_charges += Get_Player_Vital_Stat(4, slot, 102);
    }
    ASSERT_EQ(charges.size(), static_cast<size_t>(TEST_ROSTER_SIZE));
    std::sort(charges.begin(), charges.end(), std::greater<int32_t>());
    int64_t payroll = 0;
    for (int i = 0; i < 51; ++i)
        payroll += charges[i];
    EXPECT_EQ(Get_Team_Financial_Stat(4, 89), payroll);
    EXPECT_EQ(Get_Team_Financial_Stat(4, 88), bonus_charges);
    EXPECT_EQ(Get_Team_Financial_Stat(4, 90), Get_Universe_Stat(SALARY_CAP) / 1000 - payroll);
}

namespace {
int64_t Summed_Payroll(int team) {
    std::vector<int32_t> charges;
    for (int slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot))
            charges.push_back(Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE));
    std::sort(charges.begin(), charges.end(), std::greater<int32_t>());
    int64_t payroll = 0;
    for (size_t i = 0; i < charges.size() && i < 51; ++i)
        payroll += charges[i];
    return payroll;
}
} // namespace

// The payroll is kept between asks: every field a cap charge is read from
// must make it be summed again.
TEST(TeamFinances, PayrollFollowsEveryFieldOfTheCapCharges) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    const int team = 6;
    ASSERT_EQ(Get_Team_Financial_Stat(team, 89), Summed_Payroll(team));
    // The slot with the largest charge.
    int top = 0;
    for (int slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot) && Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE) >
                                                   Get_Player_Vital_Stat(team, top, VITAL_CAP_CHARGE))
            top = slot;
    // Two players fewer: every charge counts.
    for (int slot = PLAYERS_PER_TEAM - 1, cut = 0; slot >= 0 && cut < 2; --slot)
        if (slot != top && Is_Player_Slot_Used(team, slot)) {
            Set_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID, 0);
            ++cut;
        }
    const std::vector<std::function<void()>> changes = {
        [&] {
            Set_Player_Vital_Stat(team, top, VITAL_SALARY,
                                  Get_Player_Vital_Stat(team, top, VITAL_SALARY) + 7);
        },
        // The bonus still to count is charged over the years still to run.
        [&] { Set_Player_Vital_Stat(team, top, VITAL_CONTRACT_YEARS, 2); },
        [&] { Set_Player_Vital_Stat(team, top, VITAL_SIGNING_BONUS, 9000); },
        [&] { Set_Player_Vital_Stat(team, top, VITAL_CONTRACT_YEARS, 4); },
        // A minimum-salary player on a one-year bonus is charged at most the
        // second-year minimum, which his credited seasons and the year set.
        [&] {
            Set_Player_Vital_Stat(team, top, VITAL_CREDITED_SEASONS, 5);
            Set_Player_Vital_Stat(team, top, VITAL_SALARY, Get_Player_Minimum_Salary(team, top));
            Set_Player_Vital_Stat(team, top, VITAL_SIGNING_BONUS, 60);
            Set_Player_Vital_Stat(team, top, VITAL_BONUS_YEARS, 1);
        },
        [&] { Set_Player_Vital_Stat(team, top, VITAL_CREDITED_SEASONS, 0); },
        [&] { Set_Player_Vital_Stat(team, top, VITAL_CREDITED_SEASONS, 5); },
        [&] { Set_User_Preference(CURRENT_SEASON_INDEX, Get_User_Preference(CURRENT_SEASON_INDEX) + 1); },
        // The bonus no longer counts as a minimum one.
        [&] { Universe.Header.Universe_Stats[INFLATION_FACTOR] = 900; },
        [&] { Universe.Header.Universe_Stats[BASE_YEAR] -= 6; },
        [&] { Set_Player_Vital_Stat(team, top, VITAL_PLAYER_ID, 0); },
        [&] { Set_Player_Vital_Stat(team, top, VITAL_PLAYER_ID, 77777); },
    };
    int changed = 0;
    int32_t before = Get_Team_Financial_Stat(team, 89);
    ASSERT_EQ(before, Summed_Payroll(team));
    for (size_t n = 0; n < changes.size(); ++n) {
        changes[n]();
        const int32_t payroll = Get_Team_Financial_Stat(team, 89);
        EXPECT_EQ(payroll, Summed_Payroll(team)) << "change " << n;
        if (payroll != before) ++changed;
        before = payroll;
    }
    EXPECT_GE(changed, 10) << "the changes move the payroll";
    // Another team's roster is its own.
    EXPECT_EQ(Get_Team_Financial_Stat(team + 1, 89), Summed_Payroll(team + 1));
    Set_Player_Vital_Stat(team + 1, 0, VITAL_SALARY, Get_Player_Vital_Stat(team + 1, 0, VITAL_SALARY) + 1000);
    EXPECT_EQ(Get_Team_Financial_Stat(team, 89), before);
    EXPECT_EQ(Get_Team_Financial_Stat(team + 1, 89), Summed_Payroll(team + 1));
    // A team that leaves the league has no roster to pay.
    Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = -1;
    EXPECT_EQ(Get_Team_Financial_Stat(team, 89), 0);
}

// The payroll a signing is judged by is the one the team will have with the
// newcomer: past 51 players he displaces the smallest counted charge, or,
// smaller still, counts for nothing.
TEST(TeamFinances, PayrollWithANewcomerIsThePayrollOnceHeHasJoined) {
    Build_Test_League();
    Set_User_Preference(OWNER_MODE, 1);
    const int team = 5;
    ASSERT_GT(TEST_ROSTER_SIZE, 51);
    const int32_t payroll = Get_Team_Financial_Stat(team, 89);
    std::vector<int32_t> charges;
    for (int slot = 0; slot < TEST_ROSTER_SIZE; ++slot)
        charges.push_back(Get_Player_Vital_Stat(team, slot, VITAL_CAP_CHARGE));
    std::sort(charges.begin(), charges.end(), std::greater<int32_t>());
    const int32_t smallest = charges[50];
    for (const int32_t salary : {smallest + 4000, smallest - 1}) {
        Put_Player(team, TEST_ROSTER_SIZE, salary, 0, 1);
        Set_Player_Vital_Stat(team, TEST_ROSTER_SIZE, VITAL_BONUS_YEARS, 1);
        const int32_t charge = Get_Player_Vital_Stat(team, TEST_ROSTER_SIZE, VITAL_CAP_CHARGE);
        const int32_t joined = Get_Team_Financial_Stat(team, 89);
        Delete_Player(team, TEST_ROSTER_SIZE);
        ASSERT_EQ(Get_Team_Financial_Stat(team, 89), payroll);
        EXPECT_EQ(Get_Payroll_With_Newcomer(team, charge), joined) << "charge " << charge;
        EXPECT_EQ(joined, payroll + std::max(0, charge - smallest)) << "charge " << charge;
    }
    // A short roster counts every charge.
    for (int slot = TEST_ROSTER_SIZE - 1; slot >= 40; --slot)
        Delete_Player(team, slot);
    EXPECT_EQ(Get_Payroll_With_Newcomer(team, 777), Get_Team_Financial_Stat(team, 89) + 777);
}

// The ticket price is financial stat 1 of a team, and of the league mean.
TEST(TeamFinances, TicketPriceIsStatOne) {
    Reset_Finance_League(3);
    Set_Team_Financial_Stat(0, 1, 52);
    Set_Team_Financial_Stat(1, 1, 60);
    Set_Team_Financial_Stat(2, 1, 71);
    EXPECT_EQ(Get_Team_Ticket_Price(1), 60);
    EXPECT_EQ(Get_Team_Ticket_Price(LEAGUE_MEAN_TEAM), 61) << "(52 + 60 + 71) / 3, truncated";
    EXPECT_EQ(Get_Team_Ticket_Price(NO_TEAM), 0);
    Set_User_Preference(OWNER_MODE, 0);
    EXPECT_EQ(Get_Team_Ticket_Price(2), 71) << "the price is no owner's budget to hide";
}
