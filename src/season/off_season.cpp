#include "season/off_season.h"

#include "database/settings.h"

namespace {
constexpr int OFF_SEASON_WEEK = 100;
constexpr int LAST_SEASON_INDEX = 99;
} // namespace

// Only the roll-over itself: the season index moves on (within the 100 seasons
// the records keep) and the calendar enters the off-season.
void Start_Off_Season() {
    const int season = Get_User_Preference(CURRENT_SEASON_INDEX);
    if (season >= 0 && season < LAST_SEASON_INDEX) Set_User_Preference(CURRENT_SEASON_INDEX, season + 1);
    Set_User_Preference(CURRENT_WEEK, OFF_SEASON_WEEK);
}
