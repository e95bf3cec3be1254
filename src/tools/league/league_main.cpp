// The league generator: writes the default league into an installation
// folder: "Databases/Universe-2019.dat" (what the game loads at start-up and
// the New Game dialog opens for 2019) with its draft class, and the league
// at the start of every other season 2005-2022 as "League/Default-<year>.dat",
// from which the season inputs generator writes the statistics files of
// those seasons. Run by the build, after the playbooks, which the simulated
// seasons play with, and after the history, whose league of 2005 it plays on.
//
//   korva_league <installation folder> [--history FILE] [--years-before N]
//                [--seed S] [--through YEAR] [--quiet]
//
// --history plays on the league the history generator saved; without it the
// league is founded with new players years before 2019 and only the files
// of 2019-2022 are written. --through writes only the files of the seasons
// up to YEAR.
// The same installation data and options always give the same files.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "tools/league/league_generation.h"

namespace {
// Seasons the league plays before the first file's season: enough for the
// oldest players of that season to have played their whole careers in it.
constexpr int32_t DEFAULT_YEARS_BEFORE = 14;
constexpr int32_t MOST_YEARS_BEFORE = 40;
constexpr uint32_t DEFAULT_SEED = 20190905;
namespace fs = std::filesystem;
// The start-up league of 2019 with its draft class, and the league at the
// start of each later season, which the season inputs generator writes out
// as the statistics files the databases of 2020-2022 are built from. The
// seasons 2019-2022 each start on their own franchise table, which gives
// them the names and stadiums of their year.
const LEAGUE_FILE DEFAULT_LEAGUE_FILES[] = {
    {2005, "League/Default-2005.dat", false},
    {2006, "League/Default-2006.dat", false},
    {2007, "League/Default-2007.dat", false},
    {2008, "League/Default-2008.dat", false},
    {2009, "League/Default-2009.dat", false},
    {2010, "League/Default-2010.dat", false},
    {2011, "League/Default-2011.dat", false},
    {2012, "League/Default-2012.dat", false},
    {2013, "League/Default-2013.dat", false},
    {2014, "League/Default-2014.dat", false},
    {2015, "League/Default-2015.dat", false},
    {2016, "League/Default-2016.dat", false},
    {2017, "League/Default-2017.dat", false},
    {2018, "League/Default-2018.dat", false},
    {2019, "Databases/Universe-2019.dat", true, "Databases/rookies-2019.dat"},
    {2020, "League/Default-2020.dat", true},
    {2021, "League/Default-2021.dat", true},
    {2022, "League/Default-2022.dat", true}};
// The first season with a franchise table: a founded league starts with it.
constexpr int32_t FIRST_TABLE_YEAR = 2019;

bool quiet = false;
std::chrono::steady_clock::time_point started;

void Log_Line(const char* line) {
    if (quiet) return;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(stderr, "korva_league: %6.1f s  %s\n", seconds, line);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: korva_league <installation folder> [--history FILE] [--years-before N] [--seed S] "
                 "[--through YEAR] [--quiet]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    int32_t years_before = DEFAULT_YEARS_BEFORE;
    uint32_t seed = DEFAULT_SEED;
    int32_t through = 0;
    std::string history;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quiet") == 0) {
            quiet = true;
        } else if (std::strcmp(argv[i], "--history") == 0 && i + 1 < argc) {
            history = fs::absolute(argv[++i]).string();
        } else if (std::strcmp(argv[i], "--years-before") == 0 && i + 1 < argc) {
            years_before = std::atoi(argv[++i]);
            if (years_before < 1 || years_before > MOST_YEARS_BEFORE) return Usage();
        } else if (std::strcmp(argv[i], "--through") == 0 && i + 1 < argc) {
            through = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            return Usage();
        }
    }
    std::error_code failure;
    const fs::path installation = fs::canonical(argv[1], failure);
    if (failure) {
        std::fprintf(stderr, "korva_league: no installation folder %s\n", argv[1]);
        return 1;
    }
    // The seasons are played in a folder of their own, which sees the
    // installation's inputs: the box scores, recaps and the log they write
    // never land in the installation.
    // A folder in memory when the machine has one: every game writes its pages.
    const fs::path parent = fs::is_directory("/dev/shm") && access("/dev/shm", W_OK) == 0
                                ? fs::path("/dev/shm")
                                : fs::temp_directory_path();
    std::string pattern = (parent / "korva-league-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "korva_league: cannot make a working folder\n");
        return 1;
    }
    const fs::path work = pattern;
    for (const char* input : {"Cities.txt", "League", "names", "playbooks"})
        if (fs::exists(installation / input)) fs::create_symlink(installation / input, work / input, failure);
    // Of the Input folder only the player-generation files: the seasons are
    // played as the game plays them, without the statistics files of the
    // seasons built from them.
    fs::create_directory(work / "Input", failure);
    for (const char* input : {"DraftTalent.txt", "DraftStrategy.txt"})
        if (fs::exists(installation / "Input" / input))
            fs::create_symlink(installation / "Input" / input, work / "Input" / input, failure);
    // The databases folder; the game finds it under either spelling.
    if (!fs::exists(installation / "databases") && !fs::exists(installation / "Databases"))
        fs::create_directory(installation / "Databases", failure);

    int result = 0;
    if (chdir(work.c_str()) != 0) {
        std::fprintf(stderr, "korva_league: cannot enter %s\n", work.c_str());
        result = 1;
    } else {
        started = std::chrono::steady_clock::now();
        std::vector<LEAGUE_FILE> files;
        for (const LEAGUE_FILE& file : DEFAULT_LEAGUE_FILES)
            if ((through == 0 || file.Year <= through) && (!history.empty() || file.Year >= FIRST_TABLE_YEAR))
                files.push_back(file);
        std::string error;
        if (Generate_Default_League(files, installation.string(), history, years_before, seed, &error,
                                    Log_Line)) {
            Log_Line("done");
        } else {
            std::fprintf(stderr, "korva_league: %s\n", error.c_str());
            result = 1;
        }
    }
    if (chdir(installation.c_str()) != 0) result = 1;
    fs::remove_all(work, failure);
    return result;
}
