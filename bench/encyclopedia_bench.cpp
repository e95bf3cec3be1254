// The reports of a whole league: the HTML encyclopedia, the Print dialog's
// statistics file of every player in each format, and the ratings CSV. The
// league is a game started on the installed 2019 database (32 teams) that has
// played ten seasons and the eleventh to its champion.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "platform/message_box.h"
#include "reports/encyclopedia_dialogs.h"
#include "reports/encyclopedia_export.h"
#include "reports/player_stats_export.h"
#include "reports/ratings_export.h"
#include "season/game_start.h"
#include "season/season_calendar.h"
#include "season/week_advance.h"

namespace fs = std::filesystem;

namespace {
constexpr int32_t HISTORY_SEASONS = 10;
std::string Scratch_Folder;
std::string Played_League;

void Remove_Scratch_Folder() {
    std::error_code error;
    fs::remove_all(Scratch_Folder, error);
}

// Runs in the scratch folder (with the installation's templates and logos)
// and goes back to the folder it was called from.
class IN_SCRATCH_FOLDER {
  public:
    IN_SCRATCH_FOLDER() : Caller(fs::current_path()) {
        if (Scratch_Folder.empty()) {
            std::string folder = (fs::temp_directory_path() / "korva-reports-bench-XXXXXX").string();
            if (mkdtemp(folder.data()) == nullptr) std::abort();
            Scratch_Folder = folder;
            std::atexit(Remove_Scratch_Folder);
            fs::create_directory_symlink(std::string(KORVA_DATA_DIR) + "/HTML_Templates",
                                         Scratch_Folder + "/HTML_Templates");
            fs::create_directory_symlink(std::string(KORVA_DATA_DIR) + "/logos", Scratch_Folder + "/logos");
        }
        fs::current_path(Scratch_Folder);
    }
    ~IN_SCRATCH_FOLDER() { fs::current_path(Caller); }

  private:
    fs::path Caller;
};

// The installed league after its ten seasons of history and a played
// eleventh, kept as a saved game.
void Load_Played_League() {
    if (Played_League.empty()) {
        const std::string database = std::string(KORVA_DATA_DIR) + "/Databases/Universe-2019.dat";
        if (Load_Game(database.c_str()) != 1) std::abort();
        Seed_Random_Numbers(2019);
        Set_All_Teams_Computer_Controlled();
        Start_Game(0);
        Simulate_Seasons(HISTORY_SEASONS);
        Clear_Shown_Messages();
        Set_User_Preference(MULTI_SEASON_SIMULATION, 1);
        for (int32_t advance = 0; advance < 4 && !Is_Champion_Decided(); ++advance)
            Advance_Weeks(22);
        Set_User_Preference(MULTI_SEASON_SIMULATION, 0);
        Clear_Shown_Messages();
        Played_League = Scratch_Folder + "/played.kor";
        Save_Game(Played_League.c_str(), nullptr);
    }
    Load_Game(Played_League.c_str());
    Clear_Shown_Messages();
}

void BM_EncyclopediaExport(benchmark::State& state) {
    IN_SCRATCH_FOLDER folder;
    Load_Played_League();
    safe_strncpy(Export_Folder_Choice, "site", sizeof Export_Folder_Choice);
    int64_t pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code error;
        fs::remove_all("site", error);
        state.ResumeTiming();
        Export_HTML_Encyclopedia(0, "default.css");
        pages += Get_Last_Export_Result().Pages_Written;
    }
    state.counters["pages"] = static_cast<double>(Get_Last_Export_Result().Pages_Written);
    state.counters["seasons"] = Get_User_Preference(CURRENT_SEASON_INDEX) + 1;
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EncyclopediaExport)->Unit(benchmark::kSecond)->Iterations(2);

// Every player of the league in one format (0 tab, 1 comma, 2 text, 3 HTML).
void BM_PrintAllPlayers(benchmark::State& state) {
    IN_SCRATCH_FOLDER folder;
    Load_Played_League();
    const int32_t format = static_cast<int32_t>(state.range(0));
    const int32_t all_teams = Count_Active_Teams() + Count_Leagues();
    const std::string path = std::string("Output/all") + Get_Stats_File_Extension(format);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Write_Player_Stats_File(path.c_str(), all_teams, 0, STATS_OFFENSE, 11, format));
}
BENCHMARK(BM_PrintAllPlayers)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_RatingsCsv(benchmark::State& state) {
    IN_SCRATCH_FOLDER folder;
    Load_Played_League();
    int32_t lines = 0;
    for (auto _ : state)
        lines = Export_Player_Ratings_CSV(RATINGS_ALL_POSITIONS, Get_Current_Year());
    state.counters["lines"] = lines;
}
BENCHMARK(BM_RatingsCsv)->Unit(benchmark::kMillisecond);
} // namespace
