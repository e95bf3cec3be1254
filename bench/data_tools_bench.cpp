// The data tools: one run of the season simulator on the 32-team test league
// (the rest of its season and the playoffs, the tally and the league put
// back), and loading a saved game of the 80-slot layout with its conversion.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "season/league_rules.h"
#include "season/season_start.h"
#include "support/old_saved_games.h"
#include "support/test_league.h"
#include "tools/season_simulator.h"

namespace {
void BM_Season_Simulator_Run(benchmark::State& state) {
    Build_Test_League();
    Apply_League_Rules_For_Year();
    Set_User_Preference(CURRENT_SEASON_INDEX, 1);
    Apply_League_Rules_For_Year();
    Seed_Random_Numbers(7);
    Start_Season(0);
    for (auto _ : state)
        Run_Season_Simulator(1);
    state.SetItemsProcessed(state.iterations());
    for (const char* name : {SIMULATOR_DATA_FILE, SIMULATOR_TEXT_REPORT, SIMULATOR_CSV_REPORT})
        std::remove(name);
}
BENCHMARK(BM_Season_Simulator_Run)->Unit(benchmark::kSecond)->Iterations(2);

void BM_Load_Eighty_Slot_File(benchmark::State& state) {
    const std::string name =
        (std::filesystem::temp_directory_path() / "korva_eighty_slot_bench.kor").string();
    Build_Test_League();
    Write_Bytes_To_File(name, Make_League_File_From("7799", Make_Old_Layout_Block(7799)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Load_Game(name.c_str()));
    std::filesystem::remove(name);
}
BENCHMARK(BM_Load_Eighty_Slot_File)->Unit(benchmark::kMillisecond);
} // namespace
