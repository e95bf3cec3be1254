#include "season/season_calendar.h"

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/schedule_entries.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"

namespace {
constexpr int OFF_SEASON_WEEK = 100;
constexpr int32_t CONFERENCE_CHAMPION_SLOT = 28;
constexpr int32_t LEAGUE_CHAMPION_SLOT = 30;
// Per mille of the regular season where the early and the late phase end and begin.
constexpr int32_t EARLY_SEASON_END = 150;
constexpr int32_t LATE_SEASON_START = 850;
} // namespace

int32_t Get_Weekday(int32_t day) {
    if (day < 1) return 6;
    return (day + 3) % 7;
}

int32_t Get_Season_Progress() {
    int32_t length = Universe.Season_Length;
    if (length <= 0) return 0;
    int32_t progress = Mul_Div_Round(Get_User_Preference(CURRENT_WEEK), 1000, length);
    return progress > 1000 ? 1000 : progress;
}

int32_t Get_Season_Length() {
    return Universe.Season_Length;
}

int32_t Get_Days_Before_Month(int32_t month) {
    int32_t days = 0;
    for (int32_t m = 0; m < month && m < 12; ++m)
        days += MONTH_LENGTHS[m];
    return days;
}

int32_t Get_Season_Phase() {
    const int32_t progress = Get_Season_Progress();
    if (progress < EARLY_SEASON_END) return 0;
    return progress < LATE_SEASON_START ? 1 : 2;
}

int32_t Get_Previous_Opponent(int32_t team, int32_t week) {
    if (week >= NUMBER_OF_SCHEDULE_WEEKS) week = NUMBER_OF_SCHEDULE_WEEKS - 1;
    for (int32_t w = week; w >= 0; --w) {
        const int32_t opponent = Get_Team_Week_Opponent(team, w);
        if (opponent >= 0 && Is_Active_Team(opponent)) return opponent;
    }
    return -NO_TEAM;
}

bool Is_Champion_Decided() {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (week == 0 || week == OFF_SEASON_WEEK || week < Universe.Season_Length) return false;
    int32_t slot = CONFERENCE_CHAMPION_SLOT;
    if (Universe.Header.Championship_Round_Flag != 0 && Count_Leagues() != 1) slot = LEAGUE_CHAMPION_SLOT;
    return Get_Playoff_Team(slot) != NO_TEAM;
}
