// The saved web pages of the import: the input up to its first NUL byte is a
// team's roster page (of 2022 and of 2021), its injury page, the injury
// list and the team's contract and salary-cap pages; the rest is the page of
// every player those rosters name. Whatever the pages hold, every line the
// import writes has its file's number of columns, and nothing is written
// outside the input folders.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "fuzz_support.h"
#include "support/test_league.h"
#include "tools/web_import.h"
#include "tools/web_pages.h"

namespace {
size_t Count_Fields(const std::string& line) {
    size_t fields = 1;
    for (char c : line)
        fields += c == ',' ? 1 : 0;
    return fields;
}

// Every line of a written file has the columns of its header.
void Check_Columns(const char* name, size_t least, size_t most) {
    std::ifstream in(name);
    for (std::string line; std::getline(in, line);) {
        const size_t fields = Count_Fields(line);
        Fuzz_Check(fields >= least && fields <= most, name);
    }
}

void Write_Pages(const uint8_t* data, size_t size) {
    for (const char* name :
         {"Input/Downloads/Rosters/2022_roster (crd).txt", "Input/Downloads/Rosters/2021_roster (crd).txt",
          "Input/Downloads/Rosters/2022_injuries (crd).txt", "Input/Downloads/Injuries.txt",
          "Input/Downloads/contracts/Comets.txt", "Input/Downloads/cap/Comets.txt"})
        Write_Fuzz_File(name, data, size);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        Enter_Fuzz_Folder_With_Test_League();
        Universe.Header.Universe_Stats[BASE_YEAR] = 2022;
        Set_User_Preference(CURRENT_SEASON_INDEX, 0);
        started = true;
    }
    Reset_Fuzz_Messages();
    std::error_code error;
    std::filesystem::remove_all("Input", error);
    const FUZZ_PARTS parts = Split_Fuzz_Input(data, size);
    Write_Pages(parts.First, parts.First_Size);
    // The player page stands for every id the rosters name: each id's page is
    // written as the import meets it, by a page named for the id.
    const std::string pages(reinterpret_cast<const char*>(parts.First), parts.First_Size);
    for (size_t at = pages.find("data-append-csv=\""); at != std::string::npos;
         at = pages.find("data-append-csv=\"", at + 1)) {
        const size_t start = at + 17;
        const size_t end = pages.find('"', start);
        if (end == std::string::npos || end - start > 11) continue;
        const std::string id = pages.substr(start, end - start);
        if (id.empty() || id.find('/') != std::string::npos || id.find('\\') != std::string::npos ||
            id.find("..") != std::string::npos)
            continue;
        Write_Fuzz_File("Input/Downloads/Players/" + id + ".txt", parts.Second, parts.Second_Size);
    }

    Clear_Download_Player_Ids();
    const bool started_files = Begin_Import_Files();
    Start_Import_File(SEASONS_CSV, SEASONS_CSV_HEADER);
    Parse_Team_Roster_Page("Input/Downloads/Rosters/2022_roster (crd).txt", 2022, 0);
    Parse_Team_Roster_Page("Input/Downloads/Rosters/2021_roster (crd).txt", 2021, 0);
    Parse_Team_Injuries_Page("Input/Downloads/Rosters/2022_injuries (crd).txt", 2022, 0);
    End_Import_Files(started_files, true);

    Check_Columns(SEASONS_CSV, SEASONS_CSV_COLUMNS, SEASONS_CSV_COLUMNS);
    Check_Columns(PLAYERS_CSV, 27, 27);
    Check_Columns(COMBINE_CSV, 13, 13);
    Check_Columns(PERSONNEL_CSV, 4, 4);
    // An injured player's line leaves out the starter column.
    Check_Columns("Input/Stats/2022_rosters.csv", 13, 14);
    Check_Columns("Input/Stats/2022_salaries.csv", 15, 15);
    for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
        const std::string name = entry.path().filename().string();
        Fuzz_Check(name == "Input" || name == "debug.txt", "a file was written outside the input folders");
    }

    // The line readers of the pages on each line of the input.
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t line_start = 0;
    while (line_start < text.size()) {
        size_t line_end = text.find('\n', line_start);
        if (line_end == std::string::npos) line_end = text.size();
        std::string line = text.substr(line_start, line_end - line_start);
        char cell[PAGE_FIELD_SIZE];
        const int32_t after = Get_Table_Cell(cell, sizeof cell, line.c_str());
        Fuzz_Check(after >= 0 && static_cast<size_t>(after) <= line.size() + 5, "a cell ends past its line");
        INJURY_STATUS status;
        if (Parse_Injury_Status(line.c_str(), &status))
            Fuzz_Check(status.Weeks >= 1 && status.Weeks <= 24, "weeks out beyond the season");
        Strip_HTML_Tags(line.data());
        Fuzz_Check(strlen(line.c_str()) <= static_cast<size_t>(STRIPPED_TEXT_LIMIT),
                   "stripped text too long");
        line_start = line_end + 1;
    }
    return 0;
}
