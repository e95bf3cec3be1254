#include <gtest/gtest.h>

#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "personnel/player_retirement.h"
#include "support/computer_league.h"
#include "support/test_league.h"

// The opening weeks of a season on the test league with every team run by the
// computer, the cap set just above the league's payrolls.
TEST(ComputerSeason, OpeningWeeksKeepEveryRosterLegal) {
    Build_Computer_League();
    int64_t payrolls = 0;
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team)
        payrolls += Get_Team_Financial_Stat(team, FINANCE_PAYROLL);
    Universe.Header.Universe_Stats[SALARY_CAP] = static_cast<int32_t>(payrolls / TEST_LEAGUE_TEAMS * 1020);
    int32_t trades = 0;
    for (int32_t week = 1; week <= 3; ++week)
        EXPECT_EQ(Run_Checked_Computer_Week(week, 500 + week, &trades), "");
}

// A retired player leaves the league for good and is no lost player; one who
// vanishes without retiring is.
TEST(ComputerSeason, RetiredPlayersAreToldFromLostOnes) {
    Build_Computer_League();
    const LEAGUE_CENSUS before = Take_League_Census();
    Retire_Player(FREE_AGENT_TEAM, 0);
    const int32_t vanished = Get_Player_ID(FREE_AGENT_TEAM, 0);
    Delete_Player(FREE_AGENT_TEAM, 0);
    EXPECT_EQ(Find_Lost_Players(before, Take_League_Census()), std::vector<int32_t>{vanished});
}
