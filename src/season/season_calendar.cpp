#include "season/season_calendar.h"

#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/team_record_layout.h"
#include "database/universe.h"

namespace {
constexpr int REFERENCE_WEEKS = 17;
constexpr int REFERENCE_GAMES = 16;
constexpr int REFERENCE_FIELDS = 5;
constexpr int OFF_SEASON_WEEK = 100;
constexpr int32_t CONFERENCE_CHAMPION_SLOT = 28;
constexpr int32_t LEAGUE_CHAMPION_SLOT = 30;
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

bool Is_Champion_Decided() {
    const int32_t week = Get_User_Preference(CURRENT_WEEK);
    if (week == 0 || week == OFF_SEASON_WEEK || week < Universe.Season_Length) return false;
    int32_t slot = CONFERENCE_CHAMPION_SLOT;
    if (Universe.Header.Championship_Round_Flag != 0 && Count_Leagues() != 1) slot = LEAGUE_CHAMPION_SLOT;
    return Get_Playoff_Team(slot) != NO_TEAM;
}

// A regular reference season: every week's games fall on the Sunday of that
// week (day 7w + 3) at 1:00 pm, game g pairing slots 2g and 2g + 1 rotated by
// the week so that no pairing repeats inside the 16-game cycle.
int32_t Get_2017_NFL_Schedule_Opponent(int32_t week, int32_t game, int32_t field) {
    if (week < 0 || week >= REFERENCE_WEEKS || game < 0 || game >= REFERENCE_GAMES || field < 0 ||
        field >= REFERENCE_FIELDS)
        return -128;
    switch (field) {
    case 0:
        return (2 * game + week) % 32;
    case 1:
        return (2 * game + 1 + 3 * week) % 32;
    case 2:
        return 7 * week + 3;
    case 3:
        return 1300;
    default:
        return 6;
    }
}
