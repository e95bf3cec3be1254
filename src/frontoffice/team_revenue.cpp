// Market size and revenue estimate of a team.
#include "frontoffice/team_revenue.h"

#include <cmath>

#include "database/cities.h"
#include "database/random_numbers.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "frontoffice/salaries.h"

int32_t Get_Team_Market_Size(int32_t team) {
    if (!Is_Team_Record_Slot(team)) return 0;
    const int32_t city = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
    int64_t half = (static_cast<int64_t>(Get_City_Stat(city, 0)) + Get_City_Stat(city, 1) + 3500000) / 2;
    if (half < 0) half = 0;
    if (half > 1000000000) half = 1000000000;
    return static_cast<int32_t>(std::lround(std::sqrt(static_cast<double>(half)))) * 70;
}

int32_t Estimate_Team_Revenue(int32_t team) {
    if (!Is_Team_Record_Slot(team)) return 1;
    const int32_t city = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
    int32_t x = Mul_Div_Round(Get_City_Stat(city, 3), 10000, 25000);
    x = Mul_Div_Round(Get_Team_Financial_Stat(team, 0), x, 1000);
    if (Get_Team_Stadium_Stat(team, 1) == 2) x = Mul_Div_Round(x, 1100, 1000);
    const int32_t inflated = Apply_Inflation(x);
    return inflated > 1 ? inflated : 1;
}
