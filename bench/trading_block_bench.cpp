// The Trading Block's "Get Offers" on the 32 teams of the test league: one
// player on the block, asked for any players and for cash.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "frontoffice/trade_offer.h"
#include "frontoffice/trading_block.h"
#include "support/computer_league.h"

namespace {
constexpr int32_t BENCH_WEEK = 3;
constexpr int32_t USER = 0;
constexpr int32_t BLOCK_PLAYER = 2;

void BM_TradingBlockGetOffers(benchmark::State& state) {
    const int32_t request = static_cast<int32_t>(state.range(0));
    Build_Computer_League();
    Set_User_Team(USER);
    Set_User_Preference(CURRENT_WEEK, BENCH_WEEK);
    Set_User_Preference(DRAFT_ROUND, 7);
    auto league = std::make_unique<UNIVERSE_STATE>();
    std::memcpy(league.get(), &Universe, sizeof Universe);
    uint32_t seed = 1;
    int32_t offers = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(&Universe, league.get(), sizeof Universe);
        Seed_Random_Numbers(seed++);
        Init_Trade_Offer(&Current_Trade_Offer);
        Current_Trade_Offer.Team[0] = USER;
        Current_Trade_Offer.Team[1] = USER + 1;
        Current_Trade_Offer.Items[0][0] = BLOCK_PLAYER;
        state.ResumeTiming();
        offers += Collect_Trading_Block_Offers(request, nullptr, nullptr);
    }
    state.counters["offers"] = benchmark::Counter(offers, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TradingBlockGetOffers)
    ->Arg(BLOCK_REQUEST_ANY_PLAYERS)
    ->Arg(BLOCK_REQUEST_CASH)
    ->Unit(benchmark::kMillisecond);

} // namespace
