// "Simulator.dat" of any length and contents. A file of exactly the record's
// size reads as itself; any other is cleared to a zero record and read as
// zeros. The reports of whatever was read have, on every team line, the
// columns of their division's heading.
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/team_record.h"
#include "fuzz_support.h"
#include "support/test_league.h"
#include "tools/season_simulator.h"

namespace {
std::vector<uint8_t> Read_File(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

size_t Count_Fields(const std::string& line) {
    size_t fields = 1;
    for (char c : line)
        fields += c == ',' ? 1 : 0;
    return fields;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        // Eight teams keep a run short: the report reads every team's unit ratings.
        Enter_Fuzz_Folder_With_Test_League();
        for (int32_t team = 8; team < TEST_LEAGUE_TEAMS; ++team)
            Set_Team_Stat(team, TEAM_STAT_CONTROL, TEAM_CONTROL_EMPTY);
        Refresh_Active_Team_Count();
        started = true;
    }
    Reset_Fuzz_Messages();
    Write_Fuzz_File(SIMULATOR_DATA_FILE, data, size);
    SIMULATOR_RECORD record;
    Fuzz_Check(Read_Simulator_Data(&record), "the record could not be read");
    const SIMULATOR_RECORD empty{};
    if (size == sizeof record) {
        Fuzz_Check(memcmp(&record, data, size) == 0, "a whole record did not read as itself");
    } else {
        Fuzz_Check(memcmp(&record, &empty, sizeof record) == 0, "a record of another size kept something");
        const std::vector<uint8_t> file = Read_File(SIMULATOR_DATA_FILE);
        Fuzz_Check(file.size() == sizeof record && memcmp(file.data(), &empty, sizeof record) == 0,
                   "a record of another size was not cleared");
    }
    Write_Simulator_Report(SIMULATOR_REPORT_CSV);
    std::ifstream report(SIMULATOR_CSV_REPORT);
    size_t columns = 0;
    for (std::string line; std::getline(report, line);) {
        if (line.rfind("Team,", 0) == 0) {
            columns = Count_Fields(line);
            continue;
        }
        if (line.empty() || line.rfind("TEAM FINANCES", 0) == 0) {
            columns = 0;
            continue;
        }
        if (columns != 0) Fuzz_Check(Count_Fields(line) == columns, "a team line does not fit its heading");
    }
    Write_Simulator_Report(SIMULATOR_REPORT_TEXT);
    return 0;
}
