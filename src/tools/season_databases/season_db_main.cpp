// The season database builder run for one season, as the build runs it for
// every season 1951-2022 in processes of their own:
//
//   korva_season_db <installation> <year> <report folder>
//
// The report folder becomes the working folder: it holds links to the
// installation's inputs and receives the build's own reports (the
// diagnostics log, the name reports, the class counts). The database and its
// draft class are written into the installation's databases folder. Any
// message the builder shows, any error it logs and a failed build end the
// run with an error, naming them.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/diagnostics.h"
#include "database/random_numbers.h"
#include "platform/message_box.h"
#include "tools/season_database.h"

namespace {
namespace fs = std::filesystem;
// Seeds each season's build by its year, so a build is the same every time.
constexpr uint32_t BUILD_SEED = 19510000u;

bool Link(const fs::path& from, const fs::path& to) {
    std::error_code failure;
    if (!fs::exists(from, failure)) return true;
    fs::create_symlink(from, to, failure);
    return !failure;
}

// The working folder: the installation's inputs by link, its statistics
// folder file by file so that reports the build writes there stay here.
bool Prepare_Work_Folder(const fs::path& installation, const fs::path& work) {
    std::error_code failure;
    fs::remove_all(work, failure);
    fs::create_directories(work / "Input" / "Stats", failure);
    if (failure) return false;
    bool linked = true;
    for (const char* input : {"Cities.txt", "names", "playbooks", "League", "Databases"})
        linked = Link(installation / input, work / input) && linked;
    for (const char* input : {"DraftTalent.txt", "DraftStrategy.txt", "Ratings"})
        linked = Link(installation / "Input" / input, work / "Input" / input) && linked;
    for (const auto& entry : fs::directory_iterator(installation / "Input" / "Stats", failure))
        linked = Link(entry.path(), work / "Input" / "Stats" / entry.path().filename()) && linked;
    return linked && !failure;
}

int Usage() {
    std::fprintf(stderr, "usage: korva_season_db <installation> <year> <report folder>\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Usage();
    const int32_t year = std::atoi(argv[2]);
    if (year < FIRST_DATABASE_YEAR || year > LAST_DATABASE_YEAR) return Usage();
    std::error_code failure;
    const fs::path installation = fs::canonical(argv[1], failure);
    if (failure) {
        std::fprintf(stderr, "korva_season_db: no installation folder %s\n", argv[1]);
        return 1;
    }
    const fs::path work = fs::absolute(argv[3]);
    if (!Prepare_Work_Folder(installation, work) || chdir(work.c_str()) != 0) {
        std::fprintf(stderr, "korva_season_db: cannot prepare %s\n", work.c_str());
        return 1;
    }
    Seed_Random_Numbers(BUILD_SEED + static_cast<uint32_t>(year));
    const bool built = Create_Season_Database(year);
    int result = built ? 0 : 1;
    for (const SHOWN_MESSAGE& message : Get_Shown_Messages()) {
        std::fprintf(stderr, "korva_season_db %d: message \"%s\": %s\n", year, message.Caption.c_str(),
                     message.Text.c_str());
        result = 1;
    }
    if (Last_Error_Text[0] != '\0') {
        std::fprintf(stderr, "korva_season_db %d: errors logged:\n%s", year, Last_Error_Text);
        result = 1;
    }
    if (!built) std::fprintf(stderr, "korva_season_db %d: the season database was not built\n", year);
    return result;
}
