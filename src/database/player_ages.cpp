// Player ages at the current game date.
#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/playoff_bracket.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/universe.h"

int32_t Get_Player_Age(int32_t team, int32_t slot) {
    if (!Is_Player_Address(team, slot)) {
        Report_System_Error("Invalid player in Get_Player_Age(%d,%d)", team, slot);
        return 0;
    }
    int32_t year = Get_Current_Year();
    int32_t week = Get_User_Preference(CURRENT_WEEK);
    const int32_t day_number = Get_Week_Day_Number(week);
    if (day_number >= DAYS_PER_YEAR) year = static_cast<int32_t>(static_cast<uint32_t>(year) + 1u);
    const int32_t month = Get_Current_Month();
    int32_t day = ((day_number % DAYS_PER_YEAR) + DAYS_PER_YEAR) % DAYS_PER_YEAR;
    if (day >= 31) {
        int32_t walked = 0;
        for (int steps = 0; steps < 11 && MONTH_LENGTHS[walked + 1] <= day - MONTH_LENGTHS[walked]; ++steps)
            day -= MONTH_LENGTHS[walked++];
        day -= MONTH_LENGTHS[walked];
    }
    // Dates of a damaged file wrap as 32-bit arithmetic does instead of overflowing.
    const auto wrap = [](uint32_t value) { return static_cast<int32_t>(value); };
    int32_t today = wrap((static_cast<uint32_t>(year) * 100u + static_cast<uint32_t>(month)) * 100u +
                         static_cast<uint32_t>(day));
    PLAYER_RECORD& player = Universe.Teams[team].Players[slot];
    int32_t birth = player.Vital_Stats[VITAL_BIRTH_DATE];
    if (birth < 18000000) {
        const uint32_t seasons = static_cast<uint32_t>(Count_NFL_Seasons(team, slot));
        birth = wrap((static_cast<uint32_t>(year) - seasons) * 10000u - 209899u);
        player.Vital_Stats[VITAL_BIRTH_DATE] = birth;
    }
    return wrap(static_cast<uint32_t>(today) - static_cast<uint32_t>(birth)) / 10000;
}

int32_t Get_Player_Calendar_Age(int32_t team, int32_t slot) {
    return Get_Current_Year() - Get_Player_Vital_Stat(team, slot, VITAL_BIRTH_DATE) / 10000;
}
