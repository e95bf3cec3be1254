// Player ages at the current game date.
#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"

namespace {
constexpr int MONTH_LENGTHS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int OFFSEASON_WEEK = 100;
constexpr int OFFSEASON_DAY = 104;
constexpr int FIRST_WEEK_DAY = 249;

int32_t Get_Current_Day_Number(int32_t week) {
    return week == OFFSEASON_WEEK ? OFFSEASON_DAY : week * 7 + FIRST_WEEK_DAY;
}

// Month 0-11 of a day of a common year counted from 1 January.
int32_t Get_Month_Of_Day(int32_t day) {
    int32_t month = 0;
    while (month < 11 && day >= MONTH_LENGTHS[month])
        day -= MONTH_LENGTHS[month++];
    return month;
}
} // namespace

int32_t Get_Player_Age(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Get_Player_Age(%d,%d)", team, slot);
        return 0;
    }
    int32_t year = Get_Current_Year();
    int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (week != OFFSEASON_WEEK && week * 7 + FIRST_WEEK_DAY >= 365) ++year;
    int32_t day_number = Get_Current_Day_Number(week) % 365;
    if (day_number < 0) day_number += 365;
    int32_t month = Get_Month_Of_Day(day_number);
    int32_t day = day_number;
    if (day >= 31) {
        int32_t walked = 0;
        for (int steps = 0; steps < 11 && MONTH_LENGTHS[walked + 1] <= day - MONTH_LENGTHS[walked]; ++steps)
            day -= MONTH_LENGTHS[walked++];
        day -= MONTH_LENGTHS[walked];
    }
    int32_t today = (year * 100 + month) * 100 + day;
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    int32_t birth = player.Vital_Stats[VITAL_BIRTH_DATE];
    if (birth < 18000000) {
        birth = (year - Count_NFL_Seasons(team, slot)) * 10000 - 209899;
        player.Vital_Stats[VITAL_BIRTH_DATE] = birth;
    }
    return (today - birth) / 10000;
}

int32_t Get_Player_Calendar_Age(int32_t team, int32_t slot) {
    return Get_Current_Year() - Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
}
