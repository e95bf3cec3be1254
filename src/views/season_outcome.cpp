#include "views/season_outcome.h"

#include "database/league_structure.h"
#include "database/standings.h"
#include "database/team_record_layout.h"
#include "database/team_results.h"

int32_t Get_Best_Finishing_User_Team() {
    int32_t best = NO_TEAM;
    int32_t best_slot = -2;
    int32_t best_score = INVALID_STANDINGS_SCORE;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Human_Team(team)) continue;
        const int32_t slot = Get_Team_Playoff_Slot(team);
        const int32_t score = Get_Team_Standings_Score(team);
        if (best == NO_TEAM || slot > best_slot || (slot == best_slot && score > best_score)) {
            best = team;
            best_slot = slot;
            best_score = score;
        }
    }
    return best;
}
