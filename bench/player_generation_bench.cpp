// Cost of making a full college draft class (291 prospects, each with a
// college career, graded and sorted) on the test league, and of projecting
// every player's peak (Get_Player_Potential) over the whole league.
#include <benchmark/benchmark.h>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/universe.h"
#include "frontoffice/player_potential.h"
#include "installation_copy.h"
#include "personnel/draft_pool.h"
#include "personnel/player_names.h"
#include "support/test_league.h"

namespace {
void Create_Draft_Class(benchmark::State& state) {
    Enter_Installation_Copy();
    Build_Test_League();
    Seed_Random_Numbers(12345);
    Clear_Name_Buffers();
    for (auto _ : state) {
        Create_College_Draft_Pool();
        benchmark::DoNotOptimize(Universe.Teams[FIRST_COLLEGE_POOL_TEAM].Players[0].Ratings[2]);
    }
    state.counters["prospects"] = static_cast<double>(Get_College_Draft_Class_Size());
}
BENCHMARK(Create_Draft_Class)->Unit(benchmark::kMillisecond);

// Asks every player's potential once; counts the players asked.
void Ask_Every_Potential(int64_t& players) {
    For_Each_League_Player([&players](int32_t team, int32_t slot) {
        benchmark::DoNotOptimize(Get_Player_Potential(team, slot));
        ++players;
    });
}

void Report_Per_Player(benchmark::State& state, int64_t players) {
    state.counters["per_player"] = benchmark::Counter(
        static_cast<double>(players), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Every projection computed afresh: the cost of the development replay itself.
void League_Potentials_First_Time(benchmark::State& state) {
    Build_Test_League();
    int64_t players = 0;
    for (auto _ : state) {
        Forget_Player_Potentials();
        Ask_Every_Potential(players);
    }
    Report_Per_Player(state, players);
}
BENCHMARK(League_Potentials_First_Time)->Unit(benchmark::kMicrosecond);

// The same players asked again with nothing changed: remembered projections.
void League_Potentials_Again(benchmark::State& state) {
    Build_Test_League();
    Forget_Player_Potentials();
    int64_t players = 0;
    Ask_Every_Potential(players);
    players = 0;
    for (auto _ : state)
        Ask_Every_Potential(players);
    Report_Per_Player(state, players);
}
BENCHMARK(League_Potentials_Again)->Unit(benchmark::kMicrosecond);
} // namespace
