#include "tools/season_franchises.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "database/league_structure.h"
#include "database/season_line_layout.h"
#include "database/season_lines.h"
#include "database/universe.h"
#include "personnel/team_lookup.h"
#include "season/league_history.h"
#include "tools/stats_input.h"

namespace {
enum : int32_t { COLUMN_ABBREVIATION = 1, COLUMN_LOCATION = 2, COLUMN_NICKNAME = 3 };

// The league's own record keeps the Browns' seasons before their move with
// the Browns it founded again in 1999, though the history starts the Ravens
// from them: those seasons are not carried on.
const char* const RECORDS_KEPT_BY_NAME[] = {"Cleveland,Browns"};

// A team a file names: its abbreviation, its franchise ("location,nickname")
// and, once looked up, the active team continuing it. The league's
// franchises stay as they are through one read of a statistics file, and
// each read forgets the files first.
constexpr int32_t NOT_LOOKED_UP = -1;
struct FILE_TEAM {
    std::string Abbreviation;
    std::string Franchise;
    int32_t Team = NOT_LOOKED_UP;
};
// Each team file read, its teams in the file's order.
using TEAM_FILE = std::vector<FILE_TEAM>;
std::map<int32_t, TEAM_FILE> Team_Files;

TEAM_FILE& Get_Team_File(int32_t year) {
    const auto found = Team_Files.find(year);
    if (found != Team_Files.end()) return found->second;
    TEAM_FILE& teams = Team_Files[year];
    char name[64];
    Make_Year_Stats_Input_Path(name, sizeof name, year, "teams");
    STATS_FILE file;
    // The build reads and reports only its own season's file.
    file.Quiet = true;
    if (!Open_Stats_File(&file, name)) return teams;
    Read_Stats_Header(&file);
    STATS_LINE line;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0;) {
        if (read < 0) continue;
        const char* abbreviation = line.Field(COLUMN_ABBREVIATION);
        const char* location = line.Field(COLUMN_LOCATION);
        const char* nickname = line.Field(COLUMN_NICKNAME);
        if (abbreviation[0] == '\0' || nickname[0] == '\0') continue;
        teams.push_back({abbreviation, std::string(location) + "," + nickname});
    }
    Close_Stats_File(&file);
    return teams;
}

bool Is_Record_Kept_By_Name(const std::string& franchise) {
    for (const char* kept : RECORDS_KEPT_BY_NAME)
        if (franchise == kept) return true;
    return false;
}

// Moves every line of a year before `before` from `from` to `to`.
void Move_Lines_Before(int32_t from, int32_t to, int32_t before) {
    for (int32_t line = 0; line < MAX_SEASON_LINES; ++line)
        if (!Is_Season_Line_Blank(line) && Get_Season_Line_Team(line) == from &&
            Get_Season_Line_Year(line) < before)
            Set_Season_Line_Team(line, to);
}
} // namespace

int32_t Find_Team_Of_Season_Franchise(const char* abbreviation, int32_t year) {
    if (abbreviation == nullptr || abbreviation[0] == '\0') return NO_TEAM;
    for (FILE_TEAM& team : Get_Team_File(year)) {
        if (team.Abbreviation != abbreviation) continue;
        if (team.Team == NOT_LOOKED_UP) {
            const std::string name =
                Is_Record_Kept_By_Name(team.Franchise)
                    ? team.Franchise
                    : Get_Franchise_Name_In_Year(team.Franchise, year, Get_Universe_Stat(BASE_YEAR));
            team.Team = Find_Team_By_Full_Name(name.c_str());
        }
        return team.Team;
    }
    return NO_TEAM;
}

void Forget_Season_Team_Files() {
    Team_Files.clear();
}

void Keep_Refounded_Franchise_Lines() {
    const int32_t year = Get_Current_Year();
    for (const char* kept : RECORDS_KEPT_BY_NAME) {
        const int32_t refounded = Find_Team_By_Full_Name(kept);
        if (refounded == NO_TEAM) continue;
        for (const HISTORY_EVENT& row : League_History_Events) {
            if (row.Type != HISTORY_NEW_FRANCHISE || row.Year > year || std::strcmp(row.Team, kept) != 0)
                continue;
            const std::string continued = Get_Franchise_Name_In_Year(kept, row.Year - 1, year);
            const int32_t team = Find_Team_By_Full_Name(continued.c_str());
            if (team != NO_TEAM && team != refounded) Move_Lines_Before(team, refounded, row.Year);
        }
    }
}
