// The season inputs generator: writes the statistics input files of every
// season 1951-2022 into an installation's "Input" folder, from which the
// season database builder makes the databases the New Game dialog opens.
//
//   korva_season_inputs history <installation> <lines file> [--through YEAR] [--founding YEAR] [--seed S]
//                       [--league FILE]
//   korva_season_inputs modern <installation> <lines file> [--first YEAR]
//
// "history" makes the seasons 1951-2004 without games, keeps the lines of
// the files all seasons share in <lines file> and, with --league, saves the
// league as the next season starts, from which the league generator plays
// on; "modern" writes out the seasons the default league played from --first
// (2005) to 2022 (the league generator's files) and then the shared files
// whole. A file is written only when its contents change. The
// same inputs always give the same files.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/message_box.h"
#include "tools/league/league_generation.h"
#include "tools/season_inputs/history_model.h"
#include "tools/season_inputs/input_collection.h"
#include "tools/season_inputs/league_export.h"

namespace {
namespace fs = std::filesystem;
// The last season of the default league written out.
constexpr int32_t LAST_EXPORTED_YEAR = 2022;

bool quiet = false;
std::chrono::steady_clock::time_point started;

void Log_Line(const char* line) {
    if (quiet) return;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(stderr, "korva_season_inputs: %6.1f s  %s\n", seconds, line);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: korva_season_inputs history|modern <installation> <lines file> [--through YEAR] "
                 "[--founding YEAR] [--seed S] [--league FILE] [--first YEAR] [--quiet]\n");
    return 2;
}

// A folder of its own, holding links to the installation's inputs, where
// the league's reports and logs land.
bool Enter_Work_Folder(const fs::path& installation, fs::path* work) {
    std::string pattern = (fs::temp_directory_path() / "korva-inputs-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return false;
    *work = pattern;
    std::error_code failure;
    // Not the databases folder: it holds the season databases an earlier
    // build made from this tool's own files, and the seasons written out
    // would read their draft classes; the leagues it exports are opened by
    // their full paths.
    for (const char* input : {"Cities.txt", "League", "names", "playbooks"})
        if (fs::exists(installation / input))
            fs::create_symlink(installation / input, *work / input, failure);
    // Only the player-generation files of the Input folder, never the statistics being written.
    fs::create_directory(*work / "Input", failure);
    for (const char* input : {"DraftTalent.txt", "DraftStrategy.txt"})
        if (fs::exists(installation / "Input" / input))
            fs::create_symlink(installation / "Input" / input, *work / "Input" / input, failure);
    return chdir(work->c_str()) == 0;
}

int Run_History(const fs::path& installation, const std::string& lines_file, const HISTORY_OPTIONS& options) {
    INPUT_COLLECTION files;
    std::string error;
    if (!Make_League_History(options, &files, &error, Log_Line) ||
        !Write_Collected_Files(files, installation.string(), &error) ||
        !Save_Shared_Lines(files.Shared, lines_file, &error)) {
        std::fprintf(stderr, "korva_season_inputs: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

// The league generator's file of a season it played.
std::string League_File_Of(const fs::path& installation, int32_t year) {
    if (year == 2019) return (installation / "Databases/Universe-2019.dat").string();
    return (installation / ("League/Default-" + std::to_string(year) + ".dat")).string();
}

int Run_Modern(const fs::path& installation, const std::string& lines_file, int32_t first_year) {
    INPUT_COLLECTION files;
    std::string error;
    if (!Load_Shared_Lines(&files.Shared, lines_file, &error)) {
        std::fprintf(stderr, "korva_season_inputs: %s\n", error.c_str());
        return 1;
    }
    std::vector<EXPORTED_SEASON> seasons;
    for (int32_t year = first_year; year <= LAST_EXPORTED_YEAR; ++year) {
        seasons.push_back({year, League_File_Of(installation, year)});
        char ended[64];
        std::snprintf(ended, sizeof ended, ENDED_SEASON_FILE_FORM, year);
        std::error_code failure;
        if (fs::exists(installation / ended, failure))
            seasons.push_back({year, (installation / ended).string(), true});
    }
    std::vector<PLAYED_TEAM_RECORD> played;
    std::vector<NON_PASSER_PASSING> passing;
    if (!Read_Played_Team_Records((installation / PLAYED_TEAM_RECORDS_FILE).string(), &played, &error) ||
        !Read_Non_Passer_Passing((installation / PLAYED_NON_PASSER_PASSING_FILE).string(), &passing,
                                 &error) ||
        !Export_League_Seasons(seasons, played, passing, &files, &error)) {
        std::fprintf(stderr, "korva_season_inputs: %s\n", error.c_str());
        return 1;
    }
    for (const auto& [name, text] : Join_Shared_Files(files.Shared))
        files.Files[name] = text;
    if (!Write_Collected_Files(files, installation.string(), &error)) {
        std::fprintf(stderr, "korva_season_inputs: %s\n", error.c_str());
        return 1;
    }
    Log_Line("modern seasons written");
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    const std::string mode = argv[1];
    HISTORY_OPTIONS options;
    int32_t first_played = options.Last_Year + 1;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quiet") == 0)
            quiet = true;
        else if (std::strcmp(argv[i], "--through") == 0 && i + 1 < argc)
            options.Last_Year = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--founding") == 0 && i + 1 < argc)
            options.Founding_Year = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--league") == 0 && i + 1 < argc)
            options.League_File = fs::absolute(argv[++i]).string();
        else if (std::strcmp(argv[i], "--first") == 0 && i + 1 < argc)
            first_played = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            options.Seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else
            return Usage();
    }
    if ((mode != "history" && mode != "modern") || options.Founding_Year > options.First_Exported_Year ||
        options.Last_Year < options.First_Exported_Year || first_played < options.First_Exported_Year ||
        first_played > LAST_EXPORTED_YEAR)
        return Usage();
    std::error_code failure;
    const fs::path installation = fs::canonical(argv[2], failure);
    if (failure) {
        std::fprintf(stderr, "korva_season_inputs: no installation folder %s\n", argv[2]);
        return 1;
    }
    const std::string lines_file = fs::absolute(argv[3]).string();
    fs::path work;
    if (!Enter_Work_Folder(installation, &work)) {
        std::fprintf(stderr, "korva_season_inputs: cannot make a working folder\n");
        return 1;
    }
    started = std::chrono::steady_clock::now();
    const int result = mode == "history" ? Run_History(installation, lines_file, options)
                                         : Run_Modern(installation, lines_file, first_played);
    if (chdir(installation.c_str()) != 0) return 1;
    fs::remove_all(work, failure);
    return result;
}
