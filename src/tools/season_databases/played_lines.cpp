#include "tools/season_databases/played_lines.h"

#include <algorithm>
#include <cstdio>

#include "database/league_structure.h"
#include "database/player_hashes.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/season_lines.h"
#include "database/team_record_layout.h"
#include "database/universe.h"
#include "personnel/team_lookup.h"
#include "tools/stats_input.h"

const char* const PLAYED_LINES_FILE = "Input/Stats/Played_Lines.csv";
const char* const PLAYED_LINES_HEADER =
    "PlayerID,Year,Team,S0,S1,S2,S3,S4,S5,S6,S7,S8,S9,S10,S11,S12,S13,S14,S15,S16,S17,S18,S19";

namespace {
enum : int32_t { COLUMN_ID = 1, COLUMN_YEAR = 2, COLUMN_TEAM = 3, COLUMN_FIRST_STAT = 4 };
// The seasons file's reach before its base year.
constexpr int32_t YEARS_BEFORE_READ = 25;
constexpr int32_t KICKER_GROUP = 3;
// A kicker's longest punt and longest field goal: his career holds the most of his lines.
constexpr int32_t LONGEST_PUNT = 5;
constexpr int32_t LONGEST_FIELD_GOAL = 18;

// The team of a line as the seasons file's reader finds it.
int32_t Find_Team(const char* text) {
    char name[STATS_LINE_LIMIT];
    std::snprintf(name, sizeof name, "%s", text);
    if (name[0] == '\0') return NO_TEAM;
    const int32_t team = Get_Team_From_Abbreviation(name, 0);
    return team != NO_TEAM ? team : Get_Team_From_Historic_Name(name, sizeof name);
}

int32_t Find_Season_Line(int32_t team, int32_t slot, int32_t year, int32_t line_team) {
    for (int32_t n = 0; n < NUMBER_OF_SEASON_LINE_LINKS; ++n) {
        const int32_t line = Get_Player_Season_Line(team, slot, n);
        if (line != NO_SEASON_LINE && Get_Season_Line_Year(line) == year &&
            Get_Season_Line_Team(line) == line_team)
            return line;
    }
    return NO_SEASON_LINE;
}

// Sets the line's statistic and moves the player's totals of its seasons with it.
void Lay_Stat(int32_t team, int32_t slot, int32_t line, int32_t stat, int32_t value, bool last_season) {
    const int32_t before = Get_Season_Line_Stat(line, stat);
    Set_Season_Line_Stat(line, stat, value);
    const bool longest = Get_Player_Position_Group(team, slot) == KICKER_GROUP &&
                         (stat == LONGEST_PUNT || stat == LONGEST_FIELD_GOAL);
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
        if (year >= base_year || year <= base_year - YEARS_BEFORE_READ) continue;
        int32_t team = NO_TEAM, slot = NO_PLAYER;
        if (Find_Player_By_ID(&team, &slot, id) == 0) continue;
        const int32_t line_team = Find_Team(line.Field(COLUMN_TEAM));
        const int32_t season_line =
            line_team == NO_TEAM ? NO_SEASON_LINE : Find_Season_Line(team, slot, year, line_team);
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
