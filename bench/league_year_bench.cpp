// One complete year of the computer-run 32-team test league as a multi-season
// simulation plays it: the season's 272 games and the playoffs, with the
// weekly steps and the draft pool built when the regular season ends, then the
// off-season (reports, renewals, history, the statistics roll), the seven
// rounds of the college draft and the set-up of the next season. Box scores
// and recaps are written as in a real run, in a copy of the installation's
// names, playbooks and input tables.
//
// The "state" counter (and the label, which prints it whole) is a CRC of the
// whole league block after each year, chained over the years: work on speed
// must leave it as it was. The league is the one built in the installation
// copy, whatever benchmark built a test league before this one.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>

#include "database/settings.h"
#include "database/universe.h"
#include "installation_copy.h"
#include "season/week_advance.h"
#include "support/computer_league.h"

namespace {

void Start_Benchmark_Year(uint32_t seed) {
    Enter_Installation_Copy();
    Start_Computer_League_Season(seed);
}

void BM_LeagueYear(benchmark::State& state) {
    uint32_t seed = 1;
    int64_t years = 0;
    uLong state_crc = crc32(0L, Z_NULL, 0);
    for (auto _ : state) {
        state.PauseTiming();
        Start_Benchmark_Year(seed++);
        const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
        state.ResumeTiming();
        Simulate_Seasons(1);
        state.PauseTiming();
        if (Get_User_Preference(CURRENT_SEASON_INDEX) != season + 1 || Get_User_Preference(CURRENT_WEEK) != 0)
            state.SkipWithError("the year did not roll into the next season");
        ++years;
        state_crc = crc32(state_crc, reinterpret_cast<const Bytef*>(&Universe), sizeof Universe);
        state.ResumeTiming();
    }
    state.counters["years"] = benchmark::Counter(static_cast<double>(years));
    state.counters["state"] = benchmark::Counter(static_cast<double>(state_crc));
    // The console shows counters rounded ("497.8M"), which hides a change:
    // the label carries every digit.
    state.SetLabel("state=" + std::to_string(state_crc));
}
BENCHMARK(BM_LeagueYear)->Unit(benchmark::kSecond)->Iterations(3);

} // namespace
