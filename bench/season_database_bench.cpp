// The costs of the season databases the build makes: one season built from
// the installation's statistics files by the builder (1951, 1990, 2022), and
// the season inputs generator's whole run (the fictional history 1951-2018,
// then the default league's seasons 2019-2022 and the shared files joined),
// kept in memory.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "database/random_numbers.h"
#include "platform/message_box.h"
#include "tools/league/league_generation.h"
#include "tools/season_database.h"
#include "tools/season_inputs/history_model.h"
#include "tools/season_inputs/input_collection.h"
#include "tools/season_inputs/league_export.h"

namespace {
namespace fs = std::filesystem;

fs::path Installation() {
    const char* data = std::getenv("KORVA_DATA_DIR");
    return data != nullptr ? fs::path(data) : fs::path(KORVA_DATA_DIR);
}

void Link(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (fs::exists(from, error) && !fs::exists(to, error)) fs::create_symlink(from, to, error);
}

// A working folder that sees the installation's inputs and keeps the
// databases it builds (and the builder's reports) to itself.
void Enter_Working_Folder() {
    static bool entered = false;
    if (entered) return;
    entered = true;
    const fs::path source = Installation();
    const fs::path folder = fs::temp_directory_path() / "korva-bench-seasons";
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder / "Input", error);
    fs::create_directories(folder / "Databases", error);
    for (const char* input : {"Cities.txt", "League", "names", "playbooks"})
        Link(source / input, folder / input);
    for (const auto& entry : fs::directory_iterator(source / "Input", error))
        Link(entry.path(), folder / "Input" / entry.path().filename());
    Link(source / "Databases" / "Universe-2019.dat", folder / "Databases" / "Universe-2019.dat");
    // The draft classes a built league starts with, as the build has them.
    for (const auto& entry : fs::directory_iterator(source / "Databases", error))
        if (entry.path().filename().string().rfind("rookies-", 0) == 0)
            Link(entry.path(), folder / "Databases" / entry.path().filename());
    if (chdir(folder.c_str()) != 0) std::abort();
}

void BM_BuildSeasonDatabase(benchmark::State& state) {
    Enter_Working_Folder();
    const int32_t year = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        Seed_Random_Numbers(static_cast<uint32_t>(year));
        Clear_Shown_Messages();
        if (!Create_Season_Database(year)) state.SkipWithError("the season was not built");
    }
}
BENCHMARK(BM_BuildSeasonDatabase)->Arg(1951)->Arg(1990)->Arg(2022)->Unit(benchmark::kSecond)->Iterations(1);

void BM_SeasonInputsGenerator(benchmark::State& state) {
    Enter_Working_Folder();
    const fs::path source = Installation();
    for (auto _ : state) {
        INPUT_COLLECTION files;
        std::string error;
        const std::vector<EXPORTED_SEASON> seasons = {
            {2019, (source / "Databases/Universe-2019.dat").string()},
            {2020, (source / "League/Default-2020.dat").string()},
            {2021, (source / "League/Default-2021.dat").string()},
            {2022, (source / "League/Default-2022.dat").string()}};
        std::vector<PLAYED_TEAM_RECORD> played;
        if (!Make_League_History(HISTORY_OPTIONS{}, &files, &error, nullptr) ||
            !Read_Played_Team_Records((source / PLAYED_TEAM_RECORDS_FILE).string(), &played, &error) ||
            !Export_League_Seasons(seasons, played, {}, &files, &error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(Join_Shared_Files(files.Shared));
    }
}
BENCHMARK(BM_SeasonInputsGenerator)->Unit(benchmark::kSecond)->Iterations(1);
} // namespace
