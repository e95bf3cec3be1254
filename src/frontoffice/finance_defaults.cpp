#include "frontoffice/finance_defaults.h"

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/team_record.h"
#include "frontoffice/salaries.h"

int32_t Get_Team_Market_Default(int32_t team) {
    int32_t city = Get_Team_Stat(team, TEAM_STAT_HOME_CITY);
    return Apply_Inflation((Get_City_Stat(city, 3) + 25000) * 20);
}

int32_t Get_Team_Payroll_Per_Game(int32_t team) {
    int32_t games = Get_Universe_Stat(0);
    if (games <= 0) return 0;
    int64_t salaries = 0;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(team, slot)) salaries += Get_Player_Vital_Stat(team, slot, 11);
    return static_cast<int32_t>(salaries * 1000 / games);
}
