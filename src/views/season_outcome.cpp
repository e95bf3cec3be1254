#include "views/season_outcome.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/team_record_layout.h"
#include "frontoffice/fan_support.h"

namespace {
constexpr int32_t LEAGUE_CHAMPION = 8;
constexpr int32_t CONFERENCE_CHAMPION = 7;
constexpr int32_t DIVISION_WINNER = 5;
} // namespace

int32_t Get_Team_Season_Outcome(int32_t team) {
    const int32_t finish = Record_Team_Division_Finish(team);
    if (finish == LEAGUE_CHAMPION || finish == CONFERENCE_CHAMPION) return finish;
    return Get_Team_Season_Division_Place(team) == 0 ? DIVISION_WINNER : 0;
}

int32_t Get_Best_Finishing_User_Team() {
    const int32_t teams = Count_Active_Teams();
    if (Get_User_Preference(MULTI_SEASON_SIMULATION) != 0) return NO_TEAM;
    int32_t best = NO_TEAM;
    int32_t best_outcome = 0;
    for (int32_t team = 0; team < teams && team < MAX_FRANCHISES; ++team) {
        if (Get_Team_Stat(team, TEAM_STAT_CONTROL) != TEAM_CONTROL_HUMAN) continue;
        const int32_t outcome = Get_Team_Season_Outcome(team);
        if (outcome > best_outcome) {
            best = team;
            best_outcome = outcome;
        }
    }
    return best;
}
