// Cost of recomputing the standings after a week: every key scans the season's
// game records, so a full 32-team season of finished games is the worst case.
#include <benchmark/benchmark.h>

#include <cstring>

#include "database/settings.h"
#include "database/standings.h"
#include "database/team_record.h"
#include "database/team_results.h"
#include "database/universe.h"

namespace {
void Fill_Played_Season() {
    std::memset(&Universe, 0, sizeof Universe);
    for (int team = 0; team < MAX_FRANCHISES; ++team) {
        Universe.Teams[team].Team_Stats[TEAM_STAT_CONTROL] = team < 32 ? TEAM_CONTROL_COMPUTER : -1;
        Universe.Teams[team].Team_Stats[TEAM_STAT_DIVISION] = team / 4;
    }
    Universe.Season_Length = 17;
    Universe.Header.Universe_Stats[0] = 17;
    Set_User_Preference(DRAFT_ROUND, 7);
    Set_User_Preference(CURRENT_WEEK, 17);
    for (int index = 0; index < 272; ++index) {
        GAME_RECORD& game = Universe.Games[index];
        int week = index / 16;
        int pair = index % 16;
        game.Team[0] = static_cast<uint8_t>(2 * pair);
        game.Team[1] = static_cast<uint8_t>((2 * pair + 1 + 2 * week) % 32);
        if (game.Team[1] == game.Team[0]) game.Team[1] = static_cast<uint8_t>((game.Team[1] + 1) % 32);
        game.Score[0] = (index * 7) % 31;
        game.Score[1] = (index * 11) % 29;
        game.Season_Year = 2020;
        game.Clock = 3600;
    }
    Rebuild_Team_Records_From_Games();
}

void Update_Full_Season_Standings(benchmark::State& state) {
    Fill_Played_Season();
    for (auto _ : state)
        Update_Standings();
}
BENCHMARK(Update_Full_Season_Standings)->Unit(benchmark::kMillisecond);
} // namespace
