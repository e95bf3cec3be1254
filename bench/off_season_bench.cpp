// The off-season of the 32-team test league after a whole season, to set
// beside the season in season_bench.cpp: the advance after the final runs the
// season reports, every roster's yearly step and contract renewals, the rows
// of history, the statistics roll, the college draft and the set-up of the
// next season, unattended as a multi-season simulation runs it, in a copy of
// the installation's names, playbooks and input tables.
#include <benchmark/benchmark.h>

#include "database/random_numbers.h"
#include "database/settings.h"
#include "installation_copy.h"
#include "season/league_rules.h"
#include "season/season_calendar.h"
#include "season/season_start.h"
#include "season/week_advance.h"
#include "support/test_league.h"

namespace {

void Finish_Benchmark_Season(uint32_t seed) {
    // The off-season saves the league under its name in the current folder.
    Enter_Installation_Copy();
    Build_Test_League();
    Apply_League_Rules_For_Year();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(seed);
    Start_Season(0);
    Advance_Weeks(22);
    Advance_Weeks(22);
}

void BM_OffSeasonWithDraft(benchmark::State& state) {
    uint32_t seed = 1;
    int64_t rolled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Finish_Benchmark_Season(seed++);
        if (!Is_Champion_Decided()) state.SkipWithError("the season did not end with a champion");
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
        state.ResumeTiming();
        Advance_Weeks(22);
        state.PauseTiming();
        if (Get_User_Preference(CURRENT_WEEK) == 0) ++rolled;
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        state.ResumeTiming();
    }
    state.counters["seasons_rolled"] = benchmark::Counter(static_cast<double>(rolled));
}
BENCHMARK(BM_OffSeasonWithDraft)->Unit(benchmark::kSecond)->Iterations(3);

} // namespace
