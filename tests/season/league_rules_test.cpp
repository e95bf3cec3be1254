#include <gtest/gtest.h>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"
#include "season/league_rules.h"

namespace {
void Set_Year(int year) {
    Universe.Header.Universe_Stats[BASE_YEAR] = 1970;
    Set_User_Preference(CURRENT_SEASON_INDEX, year - 1970);
}
} // namespace

TEST(LeagueRules, YearTablesChangeAtTheirBoundaryYears) {
    struct CASE {
        int year, two_point, overtime_flag, playoff_rule, regular_rule, minutes, kickoff, era;
    };
    const CASE cases[] = {
        {1973, 0, 0, 2, 0, 15, 2, 2}, {1974, 0, 1, 2, 0, 15, 1, 1}, {1993, 0, 1, 2, 0, 15, 1, 1},
        {1994, 1, 1, 2, 0, 15, 0, 0}, {2009, 1, 1, 2, 0, 15, 0, 0}, {2010, 1, 1, 3, 0, 15, 0, 0},
        {2011, 1, 1, 3, 0, 15, 1, 0}, {2013, 1, 1, 3, 1, 15, 1, 0}, {2017, 1, 1, 3, 1, 10, 1, 0},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.year);
        Set_Year(c.year);
        Apply_League_Rules_For_Year();
        EXPECT_EQ(Get_User_Preference(TWO_POINT_CONVERSION_RULE), c.two_point);
        EXPECT_EQ(Get_User_Preference(REGULAR_SEASON_OVERTIME_FLAG), c.overtime_flag);
        EXPECT_EQ(Get_User_Preference(PLAYOFF_OVERTIME_RULE), c.playoff_rule);
        EXPECT_EQ(Get_User_Preference(REGULAR_SEASON_OVERTIME_RULE), c.regular_rule);
        EXPECT_EQ(Get_User_Preference(OVERTIME_MINUTES), c.minutes);
        EXPECT_EQ(Get_User_Preference(KICKOFF_SPOT_CODE), c.kickoff);
        EXPECT_EQ(Get_User_Preference(ERA_CODE), c.era);
    }
}
