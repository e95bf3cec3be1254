#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/roster_limits.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
void Expect_Week_Kept_The_Rules(const LEAGUE_CENSUS& before, const std::vector<int32_t>& sizes, int32_t week) {
    SCOPED_TRACE(week);
    const LEAGUE_CENSUS after = Take_League_Census();
    EXPECT_EQ(std::adjacent_find(after.Ids.begin(), after.Ids.end()), after.Ids.end())
        << "an id on two teams";
    const std::vector<int32_t> lost = Find_Lost_Players(before, after);
    EXPECT_TRUE(lost.empty()) << lost.size() << " players lost, the first " << lost.front();
    EXPECT_EQ(after.Cash - before.Cash, after.Booked - before.Booked) << "cash moved only by booked money";
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t players = Get_First_Empty_Player_Slot(team);
        EXPECT_GE(players, Get_Lowest_Roster_After_Moves(sizes[team])) << "team " << team;
        EXPECT_LE(players, ROSTER_ROOM_LIMIT) << "team " << team;
    }
}
} // namespace

// A whole season of the computer-run test league played by the calendar:
// after every week each roster is within its limits, no player is on two teams
// or lost, and cash moves only by the money the books record. (A week's trades
// may leave a position short until the next week's signings fill it before the
// games; the checks by phase below see that.)
TEST(ComputerSeasonLong, AdvancingTheCalendarKeepsEveryRosterLegal) {
    Start_Computer_League_Season(2016);
    for (int32_t week = 0; !Is_Champion_Decided() && week < 30; ++week) {
        const LEAGUE_CENSUS before = Take_League_Census();
        const std::vector<int32_t> sizes = Roster_Sizes();
        Advance_Weeks(1);
        Expect_Week_Kept_The_Rules(before, sizes, week);
    }
    EXPECT_TRUE(Is_Champion_Decided());
}

// The same season driven step by step, so the phases can be checked apart
// (the cap rules among them), with the cap just above the league's payrolls
// and with a roomy one.
TEST(ComputerSeasonLong, EveryPhaseOfEveryWeekKeepsTheRules) {
    for (int32_t cap_percent : {102, 300}) {
        SCOPED_TRACE(cap_percent);
        Build_Computer_League();
        int64_t payrolls = 0;
        for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
            payrolls += Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
        Universe.Header.Universe_Stats[SALARY_CAP] =
            static_cast<int32_t>(payrolls / TEST_LEAGUE_TEAMS * 10 * cap_percent);
        int32_t trades = 0;
        for (int32_t week = 1; week <= 16; ++week)
            EXPECT_EQ(Run_Checked_Computer_Week(week, 900 + week, &trades), "");
    }
}
