#include "tools/player_pages.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/text_files.h"
#include "tools/web_import.h"
#include "tools/web_pages.h"

namespace {
// The statistics tables of a player's page, by their headings.
const char* const STATISTICS_TABLES[] = {"Passing",
                                         "Rushing &amp; Receiving",
                                         "Receiving &amp; Rushing",
                                         "Defense &amp; Fumbles",
                                         "Kicking",
                                         "Punting",
                                         "Kick &amp; Punt Returns",
                                         "Games"};
constexpr const char* COMBINE_TABLE = "Combine Measurements";
constexpr int32_t COLUMN_SLOTS = 120;
constexpr int32_t COLUMN_PLAYER_ID = 1;
constexpr int32_t COLUMN_YEAR = 4;
constexpr int32_t COLUMN_TEAM = 5;
constexpr int32_t COLUMN_NAME = 7;
constexpr int32_t COLUMN_POSITION = 8;
constexpr int32_t COLUMN_GAMES = 10;

// The cells of a row by their data-stat names, each filling one column of
// "Seasons.csv" (numbered from 1 as its header).
struct STAT_COLUMN {
    const char* Name;
    int32_t Column;
};
const STAT_COLUMN STAT_COLUMNS[] = {
    {"year_id", 4},
    {"team", 5},
    {"uniform_number", 6},
    {"pos", 8},
    {"g", 10},
    {"gs", 11},
    {"pass_att", 12},
    {"pass_cmp", 13},
    {"pass_yds", 14},
    {"pass_td", 15},
    {"pass_int", 16},
    {"qbr", 17},
    {"pass_long", 18},
    {"pass_sacked", 19},
    {"pass_sacked_yds", 20},
    {"rush_att", 21},
    {"rush_yds", 22},
    {"rush_td", 23},
    {"rush_long", 24},
    {"targets", 25},
    {"rec", 26},
    {"rec_yds", 27},
    {"rec_td", 28},
    {"rec_long", 29},
    {"fumbles", 30},
    {"fumbles_lost", 31},
    {"punt_ret", 32},
    {"punt_ret_yds", 33},
    {"punt_ret_td", 34},
    {"punt_ret_long", 35},
    {"kick_ret", 36},
    {"kick_ret_yds", 37},
    {"kick_ret_td", 38},
    {"kick_ret_long", 39},
    {"tackles_combined", 40},
    {"tackles_assists", 41},
    {"tackles_loss", 42},
    {"sacks", 43},
    {"sack_yds", 44},
    {"qb_hits", 45},
    {"pass_defended", 46},
    {"fumbles_forced", 47},
    {"fumbles_rec", 48},
    {"fumbles_rec_yds", 49},
    {"fumbles_rec_td", 50},
    {"def_int", 51},
    {"def_int_yds", 52},
    {"def_int_td", 53},
    {"blocks", 54},
    {"special_teams_tackles", 55},
    {"special_teams_assists", 56},
    {"offense_tackles", 57},
    {"offense_assists", 58},
    {"punt", 59},
    {"punt_yds", 60},
    {"fga", 61},
    {"fgm", 62},
    {"fg_long", 63},
    {"xpm", 64},
    {"punt_fair_catches", 65},
    {"punt_tb", 66},
    {"punt_in_20", 67},
    {"punt_net_avg", 68},
    {"xpa", 69},
    {"safety_md", 70},
    {"fg_blocked", 71},
    {"punt_blocked", 72},
    {"xp_blocked", 73},
    {"punt_long", 74},
    {"punt_net_yds", 75},
    {"offense_snaps", 76},
    {"defense_snaps", 77},
    {"special_teams_snaps", 78},
    {"offense_team_snaps", 79},
    {"defense_team_snaps", 80},
    {"special_teams_team_snaps", 81},
    {"fgm1", 82},
    {"fgm2", 83},
    {"fgm3", 84},
    {"fgm4", 85},
    {"fgm5", 86},
    {"fga1", 87},
    {"fga2", 88},
    {"fga3", 89},
    {"fga4", 90},
    {"fga5", 91},
    {"rec_yac", 92},
    {"rec_first_down", 93},
    {"def_int_long", 94},
    {"av", 95},
    {"rush_first_down", 96},
    {"pass_first_down", 97},
};

const char* const COMBINE_CELLS[] = {"year_id",    "pos",        "height",  "weight", "forty_yd",
                                     "bench_reps", "broad_jump", "shuttle", "cone",   "vertical"};

struct SLOTS {
    char Column[COLUMN_SLOTS + 1][PAGE_FIELD_SIZE];
    char* operator[](int32_t n) { return Column[n]; }
    const char* operator[](int32_t n) const { return Column[n]; }
};

std::unique_ptr<char[]> Page_Line() {
    return std::unique_ptr<char[]>(new char[PAGE_LINE_LIMIT]());
}

// Keeps the digits of a year cell ("2019*" stands for 2019).
void Keep_Year_Digits(char* text) {
    size_t kept = 0;
    for (const char* at = text; *at != '\0' && kept < 4; ++at)
        if (*at >= '0' && *at <= '9') text[kept++] = *at;
    text[kept] = '\0';
}

void Fill_Stat_Slots(const char* row, SLOTS& slots) {
    char cell[PAGE_FIELD_SIZE];
    for (const STAT_COLUMN& column : STAT_COLUMNS)
        if (Get_Stat_Cell(row, column.Name, cell, sizeof cell)) {
            Make_Csv_Safe(cell);
            safe_strncpy(slots[column.Column], cell, PAGE_FIELD_SIZE);
        }
}

std::string Join_Slots(const SLOTS& slots) {
    std::string line;
    for (int32_t column = 1; column <= SEASONS_CSV_COLUMNS; ++column) {
        if (column > 1) line += ',';
        line += slots[column];
    }
    return line;
}

bool Is_Same_Season(const SLOTS& a, const SLOTS& b) {
    return strcmp(a[COLUMN_YEAR], b[COLUMN_YEAR]) == 0 && strcmp(a[COLUMN_TEAM], b[COLUMN_TEAM]) == 0;
}

// Adds a row to the page's seasons: a season and team not met yet as its own
// line, else only the columns the line has left empty.
void Add_Season_Row(std::vector<std::unique_ptr<SLOTS>>& seasons, std::unique_ptr<SLOTS> row) {
    for (std::unique_ptr<SLOTS>& season : seasons) {
        if (!Is_Same_Season(*season, *row)) continue;
        for (int32_t column = 1; column <= SEASONS_CSV_COLUMNS; ++column)
            if ((*season)[column][0] == '\0')
                safe_strncpy((*season)[column], (*row)[column], PAGE_FIELD_SIZE);
        return;
    }
    seasons.push_back(std::move(row));
}

// Every row of the table after "<h2>title</h2>" up to its "</tbody>"; the
// file is read from the start for each table.
template <typename F>
void For_Each_Table_Row(FILE* file, const char* file_name, const char* title, F action) {
    rewind(file);
    std::unique_ptr<char[]> line = Page_Line();
    const std::string heading = std::string("<h2>") + title + "</h2>";
    if (!Find_Page_Line(line.get(), file_name, file, heading.c_str())) return;
    if (!Find_Page_Line(line.get(), file_name, file, "<tbody>")) return;
    for (;;) {
        line[0] = '\0';
        const int end = Read_Line_Limit(file_name, line.get(), file, PAGE_LINE_LIMIT);
        if (strstr(line.get(), "</tbody>") != nullptr) return;
        if (strstr(line.get(), "<tr") != nullptr) action(line.get());
        if (end) return;
    }
}

void Find_Page_Position(FILE* file, const char* file_name, char* position) {
    rewind(file);
    std::unique_ptr<char[]> line = Page_Line();
    if (!Find_Page_Line(line.get(), file_name, file, "Position")) return;
    Strip_HTML_Tags(line.get());
    const char* colon = strchr(line.get(), ':');
    if (colon == nullptr) return;
    char text[POSITION_TEXT_SIZE];
    int32_t kept = 0;
    for (const char* at = colon + 1; *at != '\0' && kept < POSITION_TEXT_SIZE - 1; ++at) {
        if (*at == ' ' || *at == '\t') {
            if (kept > 0) break;
            continue;
        }
        text[kept++] = *at;
    }
    text[kept] = '\0';
    Make_Csv_Safe(text);
    safe_strncpy(position, text, POSITION_TEXT_SIZE);
}
} // namespace

int32_t Get_Seasons_Column(const char* data_stat) {
    if (data_stat == nullptr) return 0;
    for (const STAT_COLUMN& column : STAT_COLUMNS)
        if (strcmp(column.Name, data_stat) == 0) return column.Column;
    return 0;
}

int32_t Parse_Player_Page(const char* site_id, const char* name, char* position) {
    if (site_id == nullptr || name == nullptr || position == nullptr) return 0;
    const std::string page = std::string("Input/Downloads/Players/") + site_id + ".txt";
    const std::string copy = std::string("Input/Downloads/Players/") + site_id + "-parsed.txt";
    if (!Write_Row_Per_Line_Copy(page.c_str(), copy.c_str())) return 0;
    FILE* file = Open_Resolved_File(copy.c_str(), "r");
    if (file == nullptr) return 0;
    if (position[0] == '\0') Find_Page_Position(file, copy.c_str(), position);

    // A season with a team shows in every table that has figures of it: its
    // rows make one line, the first row's games and starts counted once,
    // each other column taken from the first row that fills it.
    std::vector<std::unique_ptr<SLOTS>> seasons;
    for (const char* title : STATISTICS_TABLES) {
        char year[PAGE_FIELD_SIZE] = "";
        For_Each_Table_Row(file, copy.c_str(), title, [&](const char* row) {
            auto slots = std::make_unique<SLOTS>();
            Fill_Stat_Slots(row, *slots);
            Keep_Year_Digits((*slots)[COLUMN_YEAR]);
            // A row of a second team in a year leaves its year cell empty.
            if ((*slots)[COLUMN_YEAR][0] == '\0')
                safe_strncpy((*slots)[COLUMN_YEAR], year, PAGE_FIELD_SIZE);
            else
                safe_strncpy(year, (*slots)[COLUMN_YEAR], sizeof year);
            safe_strncpy((*slots)[COLUMN_PLAYER_ID], site_id, PAGE_FIELD_SIZE);
            safe_strncpy((*slots)[COLUMN_PLAYER_ID + 1], "0", PAGE_FIELD_SIZE);
            safe_strncpy((*slots)[COLUMN_NAME], name, PAGE_FIELD_SIZE);
            if ((*slots)[COLUMN_POSITION][0] == '\0')
                safe_strncpy((*slots)[COLUMN_POSITION], position, PAGE_FIELD_SIZE);
            if ((*slots)[COLUMN_YEAR][0] == '\0' || (*slots)[COLUMN_TEAM][0] == '\0' ||
                (*slots)[COLUMN_GAMES][0] == '\0')
                return;
            Add_Season_Row(seasons, std::move(slots));
        });
    }
    int32_t written = 0;
    for (const std::unique_ptr<SLOTS>& season : seasons) {
        Append_Import_Line(SEASONS_CSV, Join_Slots(*season).c_str());
        ++written;
    }

    For_Each_Table_Row(file, copy.c_str(), COMBINE_TABLE, [&](const char* row) {
        char cells[std::size(COMBINE_CELLS)][PAGE_FIELD_SIZE];
        for (size_t n = 0; n < std::size(COMBINE_CELLS); ++n) {
            Get_Stat_Cell(row, COMBINE_CELLS[n], cells[n], PAGE_FIELD_SIZE);
            Make_Csv_Safe(cells[n]);
        }
        Keep_Year_Digits(cells[0]);
        if (cells[0][0] == '\0') return;
        char line[2048];
        snprintf(line, sizeof line, "%s,%d,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", site_id, 0, name, cells[0],
                 cells[1][0] != '\0' ? cells[1] : position, cells[2], cells[3], cells[4], cells[5], cells[6],
                 cells[7], cells[8], cells[9]);
        Append_Import_Line(COMBINE_CSV, line);
        ++written;
    });
    fclose(file);
    return written;
}
