// Whole games on the 32-team test league: one game, and a week of 16 games,
// played headless through the game driver from fresh records.
#include <benchmark/benchmark.h>

#include <cstring>

#include "database/universe.h"
#include "support/game_runner.h"
#include "support/test_league.h"

namespace {

void Clear_Game_Records() {
    std::memset(Universe.Games, 0, sizeof(Universe.Games));
}

void BM_CompleteGame(benchmark::State& state) {
    Build_Test_League();
    uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        Build_Test_League();
        Prepare_Game_Week(3, seed++);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Play_Test_Game(3, 4, 3));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompleteGame)->Unit(benchmark::kMillisecond);
// The same first games every run: what one build does in them compares with
// what another does (instructions counted by a profiler).
BENCHMARK(BM_CompleteGame)->Unit(benchmark::kMillisecond)->Iterations(24);

void BM_WeekOfSixteenGames(benchmark::State& state) {
    Build_Test_League();
    uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        Build_Test_League();
        Clear_Game_Records();
        Prepare_Game_Week(3, seed++);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Play_Test_Week(3));
    }
    state.SetItemsProcessed(state.iterations() * 16);
}
BENCHMARK(BM_WeekOfSixteenGames)->Unit(benchmark::kMillisecond);

} // namespace
