#include "support/test_markets.h"

#include <cstdio>

#include "database/cities.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "support/test_league.h"

void Give_Test_League_Markets() {
    for (int32_t team = 0; team < TEST_LEAGUE_TEAMS; ++team) {
        const int32_t city = team + 1;
        char name[32];
        snprintf(name, sizeof name, "Market %02d", team);
        Set_City_Name(city, name);
        Set_City_Stat(city, 0, 600000 + 90000 * team);
        Set_City_Stat(city, 1, 1500000 + 150000 * (team % 9));
        Set_City_Stat(city, 3, 21000 + 1000 * (team % 9));
        Set_City_Stat(city, 5, 700 * team);
        Set_City_Stat(city, 6, 300 * (team % 4));
        Set_Team_Stat(team, TEAM_STAT_HOME_CITY, city);
        Set_Team_Stadium_Stat(team, 0, 58000 + 700 * (team % 13));
        Set_Team_Stadium_Stat(team, 1, team % 7 == 0 ? 2 : 0);
        for (int32_t seating = 5; seating <= 7; ++seating)
            Set_Team_Stadium_Stat(team, seating, 900 + 60 * (team % 6));
        Set_Team_Financial_Stat(team, 0, 1000);
    }
}
