#include "tools/team_records_csv.h"

#include <cstdio>

#include "app/diagnostics.h"
#include "database/path_resolver.h"

namespace {
constexpr const char* TEAM_RECORDS_FILE = "input/stats/team_records.csv";
bool Missing_File_Logged = false;
} // namespace

// The file does not ship with the game. Its absence is logged once a run and
// the season starts without it: a missing optional input must not stop the
// season or put a box in front of the user every year.
void Load_Team_Records_CSV() {
    FILE* file = Open_Resolved_File(TEAM_RECORDS_FILE, "r");
    if (file == nullptr) {
        if (!Missing_File_Logged)
            Log_Debug_Line("No %s: the season starts without the real team records", TEAM_RECORDS_FILE);
        Missing_File_Logged = true;
        return;
    }
    std::fclose(file);
}
