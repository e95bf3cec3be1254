// One whole season of the 32-team test league through the calendar: the 272
// regular-season games of 2021 and the 13 playoff games, with the weekly
// steps around them.
#include <benchmark/benchmark.h>

#include "database/game_queries.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "season/league_rules.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/test_league.h"

namespace {

void Start_Benchmark_Season(uint32_t seed) {
    Build_Test_League();
    Apply_League_Rules_For_Year();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(seed);
    Start_Season(0);
}

void BM_SeasonWithPlayoffs(benchmark::State& state) {
    uint32_t seed = 1;
    int64_t games = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Start_Benchmark_Season(seed++);
        state.ResumeTiming();
        Advance_Weeks(22);
        Advance_Weeks(22);
        games += Count_Completed_Games();
    }
    state.SetItemsProcessed(games);
    state.counters["games_per_season"] =
        benchmark::Counter(static_cast<double>(games) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SeasonWithPlayoffs)->Unit(benchmark::kSecond)->Iterations(3);

} // namespace
