// The default league generator's two costs: founding the league (32
// franchises of new players, contracts, the game started) and one year of it
// played by the game (a season with its playoffs, the off-season and the
// draft). The generator plays fourteen years before 2019 and three after.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "tools/league/league_franchises.h"
#include "tools/league/league_generation.h"

namespace {
constexpr int32_t FOUNDING_YEAR = 2005;

// A working folder of this run's own that sees the installation's inputs, as
// the generator's: the games the year plays save the league at its
// off-season there, and the folder goes when the run ends.
void Enter_Working_Folder() {
    static bool entered = false;
    if (entered) return;
    entered = true;
    namespace fs = std::filesystem;
    const char* data = std::getenv("KORVA_DATA_DIR");
    const fs::path source = data != nullptr ? fs::path(data) : fs::path(KORVA_DATA_DIR);
    static std::string folder = (fs::temp_directory_path() / "korva-bench-league-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) std::abort();
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    });
    std::error_code error;
    for (const char* input : {"Cities.txt", "League", "names", "Input", "playbooks"})
        fs::create_symlink(source / input, fs::path(folder) / input, error);
    if (chdir(folder.c_str()) != 0) std::abort();
}

bool Found_Benchmark_League() {
    std::vector<FRANCHISE_ROW> rows;
    std::string error;
    if (!Read_Franchise_Table(Get_Franchise_Table_Name(2019), &rows, &error)) return false;
    Seed_Random_Numbers(20190905);
    return Found_League(FOUNDING_YEAR, rows, &error);
}

void BM_FoundDefaultLeague(benchmark::State& state) {
    Enter_Working_Folder();
    for (auto _ : state)
        if (!Found_Benchmark_League()) state.SkipWithError("the league could not be founded");
}
BENCHMARK(BM_FoundDefaultLeague)->Unit(benchmark::kSecond)->Iterations(1);

void BM_PlayOneYearOfTheDefaultLeague(benchmark::State& state) {
    Enter_Working_Folder();
    for (auto _ : state) {
        state.PauseTiming();
        const bool founded = Found_Benchmark_League();
        state.ResumeTiming();
        std::string error;
        if (!founded || !Simulate_Until_Season(FOUNDING_YEAR + 1, &error))
            state.SkipWithError("the year could not be played");
    }
}
BENCHMARK(BM_PlayOneYearOfTheDefaultLeague)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
