#include "support/hand_built_results.h"

#include <cstring>

#include "database/game_queries.h"
#include "database/league_structure.h"
#include "database/playoff_bracket.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "support/debug_log.h"

void Reset_Hand_Built_League(int teams, int week) {
    std::memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < teams ? TEAM_CONTROL_COMPUTER : -1;
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team / 4;
    }
    for (int slot = 0; slot < PLAYOFF_BRACKET_SLOTS; ++slot)
        Set_Playoff_Team(slot, NO_TEAM);
    Universe.Season_Length = 17;
    Universe.Header.Universe_Stats[GAMES_PER_SEASON] = 17;
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_User_Preference(CURRENT_WEEK, week);
    Clear_Debug_Log();
}

void Put_Final_Game(int index, int away, int home, int away_score, int home_score) {
    GAME_RECORD* game = Get_Game_Record(index);
    game->Team[0] = static_cast<uint8_t>(away);
    game->Team[1] = static_cast<uint8_t>(home);
    game->Score[0] = away_score;
    game->Score[1] = home_score;
    game->Season_Year = 2020;
    game->Clock = 3600;
}
