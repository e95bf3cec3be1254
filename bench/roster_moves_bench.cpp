// The computer general managers' work of one week for the 32 teams of the
// test league, to set beside the week of sixteen games in game_bench.cpp:
// the automatic signings before the games, then the depth charts, the roster
// moves and three trade attempts after them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "frontoffice/computer_trades.h"
#include "frontoffice/depth_charts.h"
#include "frontoffice/roster_moves.h"
#include "support/computer_league.h"

namespace {
constexpr int32_t BENCH_WEEK = 3;
constexpr int32_t TRADE_ATTEMPTS = 3;

void BM_ComputerRosterMovesWeek(benchmark::State& state) {
    Build_Computer_League();
    Set_User_Preference(CURRENT_WEEK, BENCH_WEEK);
    auto league = std::make_unique<UNIVERSE_STATE>();
    std::memcpy(league.get(), &Universe, sizeof Universe);
    uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(&Universe, league.get(), sizeof Universe);
        Seed_Random_Numbers(seed++);
        state.ResumeTiming();
        Do_Automatic_Signings();
        Auto_Set_Computer_Depth_Charts(0);
        Do_Computer_Roster_Moves();
        for (int32_t attempt = 0; attempt < TRADE_ATTEMPTS; ++attempt)
            benchmark::DoNotOptimize(Try_Computer_Trade());
    }
    state.SetItemsProcessed(state.iterations() * 32);
}
BENCHMARK(BM_ComputerRosterMovesWeek)->Unit(benchmark::kMillisecond);

} // namespace
