// The season database builder run for one season, as the build runs it for
// every season 1951-2022 in processes of their own:
//
//   korva_season_db <installation> <year> <report folder>
//
// The report folder becomes the working folder: it holds links to the
// installation's inputs and receives the build's own reports (the
// diagnostics log, the name reports, the class counts). The database and its
// draft class are written into the installation's databases folder; the
// class then loses the players the rosters of the season before hold, the
// lines of the seasons the default league played are laid whole on those
// the seasons file gave, and a season the default league played gets the
// team history that league holds. Any message the builder shows, any error
// it logs (but the seasons reader's report of a later season's franchise
// that this season has not founded), a season line with more starts than
// games, a team whose payroll is below 80 % of the season's cap and a failed
// build end the run with an error, naming them.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/saved_game.h"
#include "database/season_lines.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "platform/message_box.h"
#include "tools/draft_class_database.h"
#include "tools/payroll_balance.h"
#include "tools/season_database.h"
#include "tools/season_databases/played_lines.h"
#include "tools/season_line_checks.h"

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

// Every season line of the built league whose games started exceed its
// games, each told; their number.
int32_t Report_Starts_Above_Games(int32_t year) {
    int32_t found = 0;
    For_Each_League_Player([year, &found](int32_t team, int32_t slot) {
        for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
            const int32_t line = Get_Player_Season_Line(team, slot, n);
            if (line == NO_SEASON_LINE) continue;
            const int32_t games = Get_Season_Line_Stat(line, 0);
            const int32_t starts = Get_Season_Line_Stat(line, 1);
            if (starts <= games) continue;
            ++found;
            std::fprintf(stderr, "korva_season_db %d: player %d's line of %d has %d starts in %d games\n",
                         year, Get_Player_ID(team, slot), Get_Season_Line_Year(line), starts, games);
        }
    });
    return found;
}

// Every team whose payroll lies below 80 % of the season's cap, each told;
// their number. The builder balances the payrolls of seasons without real
// contracts near the cap, and real contracts sit near it too.
int32_t Report_Low_Payrolls(int32_t year) {
    constexpr int32_t LOWEST_PAYROLL_PERCENT = 80;
    const std::vector<std::string> low = Find_Payrolls_Below_Cap_Share(LOWEST_PAYROLL_PERCENT);
    for (const std::string& team : low)
        std::fprintf(stderr, "korva_season_db %d: %s, below %d%% of it\n", year, team.c_str(),
                     LOWEST_PAYROLL_PERCENT);
    return static_cast<int32_t>(low.size());
}

// The player ids of a season's rosters file (free agents included): the
// league a game of that season starts with.
std::set<int32_t> Roster_Ids(int32_t year) {
    std::set<int32_t> ids;
    char name[64];
    std::snprintf(name, sizeof name, "Input/Stats/%d_rosters.csv", year);
    std::ifstream in(name);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const size_t first = line.find(',');
        if (first == std::string::npos) continue;
        const int32_t id = std::atoi(line.c_str() + first + 1);
        if (id > 0) ids.insert(id);
    }
    return ids;
}

// The season's draft class is the players of its rosters who had not played:
// some of them were already in the league of the season before, whose games
// draft this class, so they are taken out of the file. Their number; -1
// when the file cannot be read or written.
int32_t Drop_Class_Players_Of_Season_Before(int32_t year) {
    const std::set<int32_t> before = Roster_Ids(year - 1);
    if (before.empty()) return 0;
    char name[64];
    std::snprintf(name, sizeof name, "databases/rookies-%d.dat", year);
    std::unique_ptr<PLAYER_RECORD[]> records(new PLAYER_RECORD[DRAFT_CLASS_RECORDS]());
    std::FILE* file = Open_Resolved_File(name, "rb");
    if (file == nullptr) return -1;
    const size_t read = std::fread(records.get(), sizeof(PLAYER_RECORD), DRAFT_CLASS_RECORDS, file);
    std::fclose(file);
    if (read != static_cast<size_t>(DRAFT_CLASS_RECORDS)) return -1;
    int32_t kept = 0, dropped = 0;
    for (int32_t n = 0; n < DRAFT_CLASS_RECORDS; ++n) {
        const int32_t id = records[n].Vital_Stats[VITAL_PLAYER_ID];
        if (id == 0) continue;
        if (before.count(id) != 0) {
            ++dropped;
            continue;
        }
        if (kept != n) records[kept] = records[n];
        ++kept;
    }
    for (int32_t n = kept; n < DRAFT_CLASS_RECORDS; ++n)
        std::memset(&records[n], 0, sizeof records[n]);
    if (dropped > 0 && Write_Draft_Class_File(name, records.get()) != 0) return -1;
    return dropped;
}

// A franchise by its location and nickname.
std::string Franchise_Key(int32_t team) {
    char location[TEAM_STRING_LENGTH] = "", nickname[TEAM_STRING_LENGTH] = "";
    Get_Team_String(location, team, 1);
    Get_Team_String(nickname, team, 2);
    return std::string(location) + "|" + nickname;
}

struct YEARLY_ROWS {
    decltype(TEAM_RECORD::Yearly_Chars) Chars;
    decltype(TEAM_RECORD::Yearly_Ints) Ints;
};

// A season the default league played: the league the generator saved as it
// started ("League/Default-<year>.dat") holds the seasons its franchises
// played before, which Team History shows. They are laid on the built
// league, franchise by franchise, with the league's base year and season
// index, and the database is saved again. True when there is no such file;
// false when it cannot be read, a franchise is missing or the save fails.
bool Lay_Played_Team_History(int32_t year) {
    char name[64];
    std::snprintf(name, sizeof name, "League/Default-%d.dat", year);
    std::error_code failure;
    if (!fs::exists(name, failure)) return true;
    static UNIVERSE_STATE built;
    std::memcpy(&built, &Universe, sizeof built);
    const bool loaded = Load_Game(name) == 1;
    // Loading the league sets up its coming draft class, whose file another
    // season's build may not have written yet: the box saying so is not the
    // build's, and only the league's rows are taken.
    Clear_Shown_Messages();
    std::map<std::string, YEARLY_ROWS> played;
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    const int32_t season = Get_User_Preference(CURRENT_SEASON_INDEX);
    for (int32_t team = 0; loaded && team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        YEARLY_ROWS& rows = played[Franchise_Key(team)];
        std::memcpy(rows.Chars, Universe.Teams[team].Yearly_Chars, sizeof rows.Chars);
        std::memcpy(rows.Ints, Universe.Teams[team].Yearly_Ints, sizeof rows.Ints);
    }
    std::memcpy(&Universe, &built, sizeof built);
    Refresh_Active_Team_Count();
    Build_All_Player_Hashes();
    if (!loaded || base_year + season != year) return false;
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Used_Franchise_Slot(team)) continue;
        const auto found = played.find(Franchise_Key(team));
        if (found == played.end()) {
            std::fprintf(stderr, "korva_season_db %d: no franchise %s in %s\n", year,
                         Franchise_Key(team).c_str(), name);
            return false;
        }
        std::memcpy(Universe.Teams[team].Yearly_Chars, found->second.Chars, sizeof found->second.Chars);
        std::memcpy(Universe.Teams[team].Yearly_Ints, found->second.Ints, sizeof found->second.Ints);
    }
    Universe.Header.Universe_Stats[BASE_YEAR] = base_year;
    Set_User_Preference(CURRENT_SEASON_INDEX, season);
    std::snprintf(name, sizeof name, "databases/universe-%d.dat", year);
    return Save_Game(name, nullptr) == SAVE_OK;
}

// The lines of the seasons the default league played, whole, laid on those
// the seasons file gave; the database is saved again when any changed.
bool Lay_Played_Season_Lines(int32_t year) {
    std::string error;
    const int32_t changed = Lay_Played_Lines(&error);
    if (changed < 0) {
        std::fprintf(stderr, "korva_season_db %d: the played lines were not laid: %s\n", year, error.c_str());
        return false;
    }
    if (changed == 0) return true;
    char name[64];
    std::snprintf(name, sizeof name, "databases/universe-%d.dat", year);
    return Save_Game(name, nullptr) == SAVE_OK;
}

// The errors the run logged that are failures, each told; their number.
int32_t Report_Logged_Failures(int32_t year) {
    if (Last_Error_Text[0] == '\0') return 0;
    int32_t logged = 0;
    const std::vector<std::string> failures = Read_Build_Failures_Logged(year, &logged);
    for (const std::string& text : failures)
        std::fprintf(stderr, "korva_season_db %d: error logged: %s\n", year, text.c_str());
    if (!failures.empty()) return static_cast<int32_t>(failures.size());
    // Errors were kept but none is in the log: the log is no account of them.
    if (logged > 0) return 0;
    std::fprintf(stderr, "korva_season_db %d: errors logged:\n%s", year, Last_Error_Text);
    return 1;
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
    if (built && Report_Starts_Above_Games(year) > 0) result = 1;
    if (built && Report_Low_Payrolls(year) > 0) result = 1;
    if (built && !Lay_Played_Season_Lines(year)) result = 1;
    // The builder's messages, before the played league is loaded.
    const std::vector<SHOWN_MESSAGE> shown = Get_Shown_Messages();
    if (built && !Lay_Played_Team_History(year)) {
        std::fprintf(stderr, "korva_season_db %d: the team history of the played season was not laid\n",
                     year);
        result = 1;
    }
    if (built && Drop_Class_Players_Of_Season_Before(year) < 0) {
        std::fprintf(stderr, "korva_season_db %d: cannot rewrite the draft class\n", year);
        result = 1;
    }
    std::vector<SHOWN_MESSAGE> messages = shown;
    messages.insert(messages.end(), Get_Shown_Messages().begin(), Get_Shown_Messages().end());
    for (const SHOWN_MESSAGE& message : messages) {
        std::fprintf(stderr, "korva_season_db %d: message \"%s\": %s\n", year, message.Caption.c_str(),
                     message.Text.c_str());
        result = 1;
    }
    if (Report_Logged_Failures(year) > 0) result = 1;
    if (!built) std::fprintf(stderr, "korva_season_db %d: the season database was not built\n", year);
    return result;
}
