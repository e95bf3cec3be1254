// Cost of rebuilding every player's ratings from his predicted season over the
// test league (1,696 players), as starting a game or loading replay statistics
// does: once with the league's own seasons, which are rebuilt rating by rating,
// and once after every player got his typical season, which keeps his ratings.
#include <benchmark/benchmark.h>

#include "database/player_record.h"
#include "database/universe.h"
#include "personnel/typical_season.h"
#include "support/test_league.h"
#include "tools/ratings_rebuild.h"

namespace {
void Report_Per_Player(benchmark::State& state) {
    int64_t players = 0;
    For_Each_League_Player([&players](int32_t, int32_t) { ++players; });
    state.counters["per_player"] =
        benchmark::Counter(static_cast<double>(players) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Rebuild_League_Ratings(benchmark::State& state) {
    Build_Test_League();
    for (auto _ : state) {
        Set_All_Ratings_From_Stats();
        benchmark::DoNotOptimize(Universe.Teams[0].Players[0].Ratings[0]);
    }
    Report_Per_Player(state);
}
BENCHMARK(Rebuild_League_Ratings)->Unit(benchmark::kMillisecond);

void Rebuild_Typical_League_Ratings(benchmark::State& state) {
    Build_Test_League();
    For_Each_League_Player(Calculate_Typical_Season_From_Ratings);
    for (auto _ : state) {
        Set_All_Ratings_From_Stats();
        benchmark::DoNotOptimize(Universe.Teams[0].Players[0].Ratings[0]);
    }
    Report_Per_Player(state);
}
BENCHMARK(Rebuild_Typical_League_Ratings)->Unit(benchmark::kMillisecond);
} // namespace
