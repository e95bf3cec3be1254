#include "tools/season_databases/played_lines.h"

#include <algorithm>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "tools/season_franchises.h"
#include "tools/seasons_csv.h"
#include "tools/stats_input.h"

const char* const PLAYED_LINES_FILE = "Input/Stats/Played_Lines.csv";
const char* const PLAYED_LINES_HEADER =
    "PlayerID,Year,Team,S0,S1,S2,S3,S4,S5,S6,S7,S8,S9,S10,S11,S12,S13,S14,S15,S16,S17,S18,S19";

namespace {
enum : int32_t { COLUMN_ID = 1, COLUMN_YEAR = 2, COLUMN_TEAM = 3, COLUMN_FIRST_STAT = 4 };
// Sets the line's statistic and moves the player's totals of its seasons with it.
void Lay_Stat(int32_t team, int32_t slot, int32_t line, int32_t stat, int32_t value, bool last_season) {
    const int32_t before = Get_Season_Line_Stat(line, stat);
    Set_Season_Line_Stat(line, stat, value);
    const bool longest = Is_Longest_Kick_Stat(team, slot, stat);
    for (const int32_t season : {SEASON_CAREER, SEASON_LAST}) {
        if (season == SEASON_LAST && !last_season) continue;
        const int32_t total = Get_Player_Stat(team, slot, season, stat);
        Set_Player_Stat(team, slot, season, stat, longest ? std::max(total, value) : total + value - before);
    }
}
} // namespace

std::string Make_Played_Line(int32_t id, int32_t year, const std::string& team_text, const int32_t* stats) {
    std::string line = std::to_string(id) + "," + std::to_string(year) + ",";
    if (team_text.find_first_of(",\"") == std::string::npos) {
        line += team_text;
    } else {
        line += '"';
        for (const char c : team_text)
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
        line += ',';
        line += std::to_string(stats[stat]);
    }
    return line;
}

int32_t Lay_Played_Lines(std::string* error) {
    STATS_FILE file;
    if (!Open_Stats_File(&file, PLAYED_LINES_FILE)) {
        *error = std::string("cannot open ") + PLAYED_LINES_FILE;
        return -1;
    }
    Read_Stats_Header(&file);
    Build_All_Player_Hashes();
    Forget_Season_Team_Files();
    const int32_t base_year = Get_Universe_Stat(BASE_YEAR);
    int32_t changed = 0;
    STATS_LINE line;
    for (int32_t read = 0; (read = Read_Stats_Line(&file, &line)) != 0;) {
        int32_t id = 0, year = 0, stats[NUMBER_OF_SEASON_STATS] = {};
        bool good =
            read > 0 && Read_Int_Field(line, COLUMN_ID, &id) && Read_Int_Field(line, COLUMN_YEAR, &year);
        for (int32_t stat = 0; good && stat < NUMBER_OF_SEASON_STATS; ++stat)
            good = Read_Int_Field(line, COLUMN_FIRST_STAT + stat, &stats[stat]);
        if (!good) {
            *error = std::string(PLAYED_LINES_FILE) + ": line " + std::to_string(line.Line_Number) +
                     " is malformed";
            Close_Stats_File(&file);
            return -1;
        }
        if (year >= base_year || year <= base_year - SEASONS_FILE_YEARS_BEFORE) continue;
        int32_t team = NO_TEAM, slot = NO_PLAYER;
        if (Find_Player_By_ID(&team, &slot, id) == 0) continue;
        const int32_t line_team = Find_Seasons_File_Team(line.Field(COLUMN_TEAM), year);
        const int32_t season_line =
            line_team == NO_TEAM ? NO_SEASON_LINE : Find_Player_Season_Line(team, slot, year, line_team);
        if (season_line == NO_SEASON_LINE) {
            *error = "player " + std::to_string(id) + " has no season line of " + std::to_string(year) +
                     " with " + line.Field(COLUMN_TEAM);
            Close_Stats_File(&file);
            return -1;
        }
        bool differs = false;
        for (int32_t stat = 0; stat < NUMBER_OF_SEASON_STATS; ++stat) {
            if (Get_Season_Line_Stat(season_line, stat) == stats[stat]) continue;
            Lay_Stat(team, slot, season_line, stat, stats[stat], year == base_year - 1);
            differs = true;
        }
        changed += differs;
    }
    Close_Stats_File(&file);
    return changed;
}
