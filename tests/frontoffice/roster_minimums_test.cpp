#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_queries.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/roster_minimums.h"
#include "frontoffice/salaries.h"
#include "season/week_advance.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 7;
constexpr int32_t INJURED_WEEKS = 5;

std::vector<int32_t> Pool_Linebacker_Slots() {
    std::vector<int32_t> slots;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Available(FREE_AGENT_TEAM, slot) &&
            Get_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_POSITION) == POSITION_LB)
            slots.push_back(slot);
    return slots;
}

// The computer league at its season's start with the cap at `cap` thousands
// (0: none) and the team down to one healthy linebacker for weeks. Every free
// agent linebacker asks the whole cap, but the one in the lowest pool slot
// when `one_affordable`, who asks the league minimum. Returns the pool's
// linebackers' ids, from the highest pool slot down; the affordable one last.
std::vector<int32_t> Set_Up_Short_Team(int64_t cap, bool one_affordable) {
    Start_Computer_League_Season(73);
    Universe.Header.Universe_Stats[SALARY_CAP] = static_cast<int32_t>(cap * 1000);
    for (int32_t n = 1; n < Count_Team_Position_Players(TEAM, POSITION_LB); ++n)
        Set_Player_Vital_Stat(TEAM, Get_Team_Position_Player(TEAM, POSITION_LB, n), VITAL_WEEKS_OUT,
                              INJURED_WEEKS);
    std::vector<int32_t> slots = Pool_Linebacker_Slots();
    std::vector<int32_t> ids;
    for (size_t n = 0; n < slots.size(); ++n) {
        const int32_t slot = slots[n];
        const bool affordable = one_affordable && n == 0;
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SIGNING_BONUS, 0);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, slot, VITAL_SALARY,
                              affordable ? Get_League_Minimum_Salary(0)
                                         : static_cast<int32_t>(std::max<int64_t>(cap, 50000)));
        ids.insert(ids.begin(), Get_Player_ID(FREE_AGENT_TEAM, slot));
    }
    return ids;
}

int64_t League_Largest_Payroll() {
    int64_t largest = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        largest = std::max<int64_t>(largest, Get_Team_Financial_Stat(team, FINANCE_PAYROLL));
    return largest;
}
} // namespace

// A computer team that has lost its linebackers when the user advances a
// week fills its gap (the depth charts set at the advance's start find it
// one healthy linebacker short) from the free agents it can pay: never with
// one the cap leaves no room for, though he stands highest in the pool; with
// one it can pay, that one; with none it can pay, with new players. Without a
// cap the highest free agent signs whatever he asks.
TEST(RosterMinimums, AShortComputerTeamSignsNoFreeAgentPastTheCap) {
    Start_Computer_League_Season(73);
    const int64_t cap = League_Largest_Payroll() * 11 / 10;

    std::vector<int32_t> pool = Set_Up_Short_Team(cap, false);
    ASSERT_GE(pool.size(), 2u) << "the pool holds linebackers";
    const int32_t linebackers = Count_Team_Position_Players(TEAM, POSITION_LB);
    Advance_Weeks(1);
    ASSERT_EQ(Get_User_Preference(CURRENT_WEEK), 1) << "a week played";
    for (int32_t id : pool)
        EXPECT_EQ(Team_Of_Player(id), FREE_AGENT_TEAM) << "none of them is affordable: " << id;
    EXPECT_GT(Count_Team_Position_Players(TEAM, POSITION_LB), linebackers) << "new linebackers";
    EXPECT_GE(Count_Team_Available_Position_Players(TEAM, POSITION_LB),
              Get_Position_Roster_Minimum(POSITION_LB));
    EXPECT_LE(Get_Team_Financial_Stat(TEAM, FINANCE_PAYROLL), cap);

    pool = Set_Up_Short_Team(cap, true);
    Advance_Weeks(1);
    EXPECT_EQ(Team_Of_Player(pool.back()), TEAM) << "the one he can pay, though lowest in the pool";
    for (size_t n = 0; n + 1 < pool.size(); ++n)
        EXPECT_EQ(Team_Of_Player(pool[n]), FREE_AGENT_TEAM) << pool[n];
    EXPECT_LE(Get_Team_Financial_Stat(TEAM, FINANCE_PAYROLL), cap);

    pool = Set_Up_Short_Team(0, false);
    Advance_Weeks(1);
    EXPECT_EQ(Team_Of_Player(pool.front()), TEAM) << "no cap: the highest in the pool";
}
