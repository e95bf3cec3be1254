// The all-time leader bookkeeping of one week on the 32-team test league with
// a played week: the career snapshot, and the refresh of the single-game and
// career lists after the games.
#include <benchmark/benchmark.h>

#include "database/league_structure.h"
#include "season/all_time_leaders.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

void Play_One_Week() {
    Build_Test_League();
    Clear_All_Time_Leaders();
    Update_ATL_Career_Totals(ATL_SNAPSHOT_CAREER);
    Prepare_Game_Week(3, 77);
    Play_Test_Week(3);
}

void BM_RefreshAllTimeLeaders(benchmark::State& state) {
    Play_One_Week();
    for (auto _ : state)
        Refresh_All_Time_Leaders();
}
BENCHMARK(BM_RefreshAllTimeLeaders)->Unit(benchmark::kMillisecond);

void BM_UpdateCareerLeaders(benchmark::State& state) {
    Play_One_Week();
    for (auto _ : state)
        Update_All_Time_Leaders(ATL_UPDATE_CAREER);
}
BENCHMARK(BM_UpdateCareerLeaders)->Unit(benchmark::kMillisecond);

} // namespace
