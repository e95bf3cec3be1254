#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/universe.h"
#include "frontoffice/finance_stats.h"
#include "support/computer_league.h"
#include "support/test_league.h"

// A whole regular season on the test league with every team run by the
// computer: the rules hold every week, with the cap just above the league's
// payrolls and with a roomy one.
TEST(ComputerSeasonLong, EveryWeekOfTheSeasonKeepsTheRules) {
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
        RecordProperty("trades", trades);
    }
}
