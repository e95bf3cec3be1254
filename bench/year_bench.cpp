// One whole year of the computer-run 32-team test league, as "Simulate
// Season" plays it: the regular season with the computer general managers'
// weekly work, the playoffs, the off-season and the college draft, into the
// next season. Box scores and recaps are written as in a real run. The
// counters split the year into its three parts (seconds per year). It runs in
// a copy of the installation's names, playbooks and input tables.
#include <benchmark/benchmark.h>

#include <chrono>

#include "database/game_queries.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "installation_copy.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "season/league_rules.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/computer_league.h"

namespace {

constexpr int32_t SEASON_ADVANCE_WEEKS = 22;

void Start_Computer_Year(uint32_t seed) {
    Enter_Installation_Copy();
    Build_Computer_League();
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(seed);
    Clear_Shown_Messages();
    Reset_Message_Queue();
    Start_Season(0);
}

double Seconds_Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ComputerLeagueYear(benchmark::State& state) {
    uint32_t seed = 1;
    double season = 0.0, playoffs = 0.0, off_season = 0.0;
    int64_t games = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Start_Computer_Year(seed++);
        state.ResumeTiming();
        // Every team is computer-run while a season is simulated.
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
        auto start = std::chrono::steady_clock::now();
        Advance_Weeks(SEASON_ADVANCE_WEEKS);
        season += Seconds_Since(start);
        start = std::chrono::steady_clock::now();
        Advance_Weeks(SEASON_ADVANCE_WEEKS);
        games += Count_Completed_Games();
        playoffs += Seconds_Since(start);
        start = std::chrono::steady_clock::now();
        Simulate_Seasons(1);
        off_season += Seconds_Since(start);
    }
    const auto per_year = benchmark::Counter::kAvgIterations;
    state.counters["regular_season_s"] = benchmark::Counter(season, per_year);
    state.counters["playoffs_s"] = benchmark::Counter(playoffs, per_year);
    state.counters["off_season_and_draft_s"] = benchmark::Counter(off_season, per_year);
    state.counters["games"] = benchmark::Counter(static_cast<double>(games), per_year);
}
BENCHMARK(BM_ComputerLeagueYear)->Unit(benchmark::kSecond)->Iterations(3);

} // namespace
