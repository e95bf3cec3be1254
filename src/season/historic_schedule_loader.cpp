#include "season/historic_schedule_loader.h"

#include "database/league_structure.h"
#include "database/team_record.h"
#include "database/universe.h"

namespace {
constexpr int32_t MOST_GAMES_PER_SEASON = 17;
constexpr int32_t TEAMS_PER_DIVISION = 4;
} // namespace

// No schedule files ship with the game yet: the templates and the random
// generator schedule every season.
int32_t Load_Historic_Schedule() {
    return 0;
}

int32_t Skip_Historic_Schedule() {
    int32_t& games = Universe.Header.Universe_Stats[GAMES_PER_SEASON];
    if (games > MOST_GAMES_PER_SEASON) games = MOST_GAMES_PER_SEASON;
    const int32_t year = Get_Current_Year();
    return games < 12 || (year < 1961 && games >= 14) || (year < 1978 && games >= 16) ? 1 : 0;
}

int32_t Has_Eight_Divisions_Of_Four() {
    const int32_t teams = Count_Active_Teams();
    if (teams < 1) return 0;
    int32_t counts[NUMBER_OF_DIVISIONS] = {};
    for (int32_t team = 0; team < teams; ++team) {
        const int32_t division = Get_Team_Stat(team, TEAM_STAT_DIVISION);
        if (division < 0 || division >= NUMBER_OF_DIVISIONS) return 0;
        ++counts[division];
    }
    for (int32_t count : counts)
        if (count != TEAMS_PER_DIVISION) return 0;
    return 1;
}
