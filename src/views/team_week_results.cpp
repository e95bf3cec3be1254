#include "views/team_week_results.h"

#include "database/game_queries.h"
#include "database/schedule_entries.h"
#include "database/team_results.h"
#include "database/universe.h"

namespace {
constexpr int32_t LAST_WEEK = 21;
enum RESULT_KIND { WON, LOST, TIED };

// +1 when the week's finished game gives the team that result, else 0.
int32_t Week_Result(int32_t team, int32_t week, RESULT_KIND kind, bool home_only) {
    const int32_t index = Get_Team_Schedule_Stat(team, week, SCHEDULE_GAME_INDEX);
    if (Get_Team_Schedule_Stat(team, week, SCHEDULE_OPPONENT) == 0 || index < 0) return 0;
    GAME_RECORD* game = Get_Game_Record(index);
    if (game == nullptr || !Is_Game_Played(game)) return 0;
    int32_t side = -1;
    if (game->Team[1] == team)
        side = 1;
    else if (game->Team[0] == team)
        side = 0;
    if (side < 0 || (home_only && side != 1)) return 0;
    const int32_t own = game->Score[side], other = game->Score[1 - side];
    switch (kind) {
    case WON:
        return own > other ? 1 : 0;
    case LOST:
        return own < other ? 1 : 0;
    case TIED:
        return own == other ? 1 : 0;
    }
    return 0;
}

int32_t Count_Weeks(int32_t team, int32_t first, int32_t last, RESULT_KIND kind, bool home_only) {
    int32_t count = 0;
    for (int32_t week = first < 0 ? 0 : first; week <= last && week <= LAST_WEEK; ++week)
        count += Week_Result(team, week, kind, home_only);
    return count;
}

int32_t Regular_Season_Weeks() {
    return Universe.Season_Length;
}
} // namespace

int32_t Count_Team_Wins(int32_t team, int32_t n) {
    return Count_Weeks(team, 0, n - 1, WON, false);
}

int32_t Count_Team_Losses(int32_t team, int32_t n) {
    return Count_Weeks(team, 0, n - 1, LOST, false);
}

int32_t Count_Team_Ties(int32_t team, int32_t n) {
    return Count_Weeks(team, 0, n - 1, TIED, false);
}

int32_t Count_Team_Playoff_Wins(int32_t team) {
    return Count_Weeks(team, Regular_Season_Weeks(), LAST_WEEK, WON, false);
}

int32_t Count_Team_Playoff_Losses(int32_t team) {
    return Count_Weeks(team, Regular_Season_Weeks(), LAST_WEEK, LOST, false);
}

int32_t Count_Team_Home_Wins(int32_t team) {
    return Count_Weeks(team, 0, Regular_Season_Weeks() - 1, WON, true);
}

int32_t Count_Team_Home_Losses(int32_t team) {
    return Count_Weeks(team, 0, Regular_Season_Weeks() - 1, LOST, true);
}

int32_t Count_Team_Home_Ties(int32_t team) {
    return Count_Weeks(team, 0, Regular_Season_Weeks() - 1, TIED, true);
}
