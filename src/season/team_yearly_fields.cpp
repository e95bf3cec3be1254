#include "season/team_yearly_fields.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/standings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/fan_support.h"
#include "frontoffice/finance_stats.h"
#include "season/playoff_seeding.h"

namespace {
constexpr int32_t RECORD_CHAR_STEP = 4;
constexpr int32_t OFF_SEASON_WEEK = 100;
constexpr int32_t YEARLY_HOME_ATTENDANCE = 0;
constexpr int32_t YEARLY_PROFIT = 1;
constexpr int32_t YEARLY_FINISH_CODE = 3;
constexpr int32_t FINANCE_PROFIT = 84;
constexpr int32_t LAST_HISTORY_SEASON = NUMBER_OF_HISTORY_SEASONS - 1;

// This season's figure and last season's, in the order they are copied.
constexpr int32_t SEASON_FINANCE_PAIRS[][2] = {
    {FINANCE_SHARED_REVENUE, FINANCE_SHARED_REVENUE_LAST},
    {FINANCE_HOME_ATTENDANCE, FINANCE_HOME_ATTENDANCE_LAST},
    {FINANCE_TICKET_REVENUE, FINANCE_TICKET_REVENUE_LAST},
    {FINANCE_FOOD + 2, FINANCE_FOOD + 3},
    {FINANCE_BEVERAGES + 2, FINANCE_BEVERAGES + 3},
    {FINANCE_SOUVENIRS + 2, FINANCE_SOUVENIRS + 3},
    {FINANCE_OPERATING_EXPENSES, FINANCE_OPERATING_EXPENSES_LAST},
    {FINANCE_PAYROLL_PAID, FINANCE_PAYROLL_PAID_LAST},
    {FINANCE_DIVIDENDS, FINANCE_DIVIDENDS_LAST},
    {FINANCE_SCOUTING_SPENT, FINANCE_SCOUTING_SPENT_LAST},
    {FINANCE_MEDICAL_SPENT, FINANCE_MEDICAL_SPENT_LAST},
    {FINANCE_HOME_GAMES, FINANCE_HOME_GAMES_LAST},
    {FINANCE_GAMES, FINANCE_GAMES_LAST},
};

bool Is_Off_Season_Week() {
    return Get_User_Preference(CURRENT_WEEK) == OFF_SEASON_WEEK;
}
} // namespace

void Reset_Team_Yearly_Fields() {
    const int32_t teams = Count_Active_Teams();
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    for (int32_t team = 0; team < teams; ++team) {
        for (int32_t n = 0; n < NUMBER_OF_YEARLY_CHARS; n += RECORD_CHAR_STEP)
            Set_Team_Yearly_Char(team, season, n, 0);
        for (int32_t n = 0; n < NUMBER_OF_YEARLY_INTS; ++n)
            Set_Team_Yearly_Int(team, season, n, 0);
    }
}

void Record_Team_Season_Finances(int32_t team) {
    if (!Is_Franchise_Slot(team)) return;
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    Set_Team_Yearly_Int(team, season, YEARLY_HOME_ATTENDANCE,
                        Get_Team_Financial_Stat(team, FINANCE_HOME_ATTENDANCE));
    Set_Team_Yearly_Int(team, season, YEARLY_PROFIT, Get_Team_Financial_Stat(team, FINANCE_PROFIT));
    Set_Team_Yearly_Int(team, Get_Finished_Season_Index(), YEARLY_FINISH_CODE,
                        Record_Team_Division_Finish(team));
    for (const auto& pair : SEASON_FINANCE_PAIRS)
        Set_Team_Financial_Stat(team, pair[1], Get_Team_Financial_Stat(team, pair[0]));
}

void Record_Team_Season_Finish() {
    // The off-season recorded the season's finish as it closed the season's
    // books; the standings it has turned over since are the coming season's.
    if (Is_Finished_Season_Settled()) return;
    if (!Is_Off_Season_Week()) {
        Update_Standings();
        if (Get_User_Preference(CURRENT_WEEK) < std::max<int32_t>(Universe.Season_Length, 2)) Seed_Playoffs();
    }
    const int32_t finished = Get_Finished_Season_Index();
    const int32_t teams = Count_Active_Teams();
    for (int32_t team = 0; team < teams; ++team)
        if (Is_Used_Franchise_Slot(team))
            Set_Team_Yearly_Int(team, finished, YEARLY_FINISH_CODE, Record_Team_Division_Finish(team));
}

void Advance_Season_Index() {
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (season < 0 || season > LAST_HISTORY_SEASON) return;
    // The calendar ends at its largest year: the seasons after it are played
    // in that year again.
    if (Get_Current_Year() >= MAX_CALENDAR_YEAR) return;
    if (season < LAST_HISTORY_SEASON) {
        Set_User_Preference(CURRENT_SEASON_INDEX, season + 1);
        return;
    }
    for (TEAM_RECORD& team : std::span(Universe.Teams, MAX_FRANCHISES)) {
        std::memmove(team.Yearly_Chars[0], team.Yearly_Chars[1],
                     sizeof team.Yearly_Chars[0] * LAST_HISTORY_SEASON);
        std::memset(team.Yearly_Chars[LAST_HISTORY_SEASON], 0, sizeof team.Yearly_Chars[0]);
        std::memmove(team.Yearly_Ints[0], team.Yearly_Ints[1],
                     sizeof team.Yearly_Ints[0] * LAST_HISTORY_SEASON);
        std::memset(team.Yearly_Ints[LAST_HISTORY_SEASON], 0, sizeof team.Yearly_Ints[0]);
    }
    Store_Universe_Stat(BASE_YEAR, Get_Universe_Stat(BASE_YEAR) + 1);
}

void Make_Current_Season_The_First() {
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (season <= 0 || season > LAST_HISTORY_SEASON) return;
    const size_t kept = static_cast<size_t>(LAST_HISTORY_SEASON + 1 - season);
    for (TEAM_RECORD& team : std::span(Universe.Teams, MAX_FRANCHISES)) {
        std::memmove(team.Yearly_Chars[0], team.Yearly_Chars[season], sizeof team.Yearly_Chars[0] * kept);
        std::memset(team.Yearly_Chars[kept], 0, sizeof team.Yearly_Chars[0] * season);
        std::memmove(team.Yearly_Ints[0], team.Yearly_Ints[season], sizeof team.Yearly_Ints[0] * kept);
        std::memset(team.Yearly_Ints[kept], 0, sizeof team.Yearly_Ints[0] * season);
    }
    Store_Universe_Stat(BASE_YEAR, Get_Universe_Stat(BASE_YEAR) + season);
    Set_User_Preference(CURRENT_SEASON_INDEX, 0);
}
