#include "tools/season_inputs/stadiums.h"

#include <string>
#include <strings.h>
#include <vector>

#include "database/team_record.h"
#include "season/league_history.h"
#include "tools/league/league_franchises.h"

namespace {
constexpr int32_t FIRST_TABLE_YEAR = 2002;
constexpr int32_t ROOF_OPEN = 0;
constexpr int32_t ROOF_DOMED = 1;
constexpr int32_t ROOF_CONVERTIBLE = 2;
constexpr int32_t CARPET = 0;
constexpr int32_t GRASS = 1;

// Buildings that differed from an open field of grass, from the season a
// franchise moved in (until its next row).
struct STADIUM_ERA {
    const char* Nickname;
    int32_t From;
    int32_t Roof;
    int32_t Surface;
};
constexpr STADIUM_ERA STADIUM_ERAS[] = {
    {"Oilers", 1968, ROOF_DOMED, CARPET},   {"Oilers", 1997, ROOF_OPEN, GRASS},
    {"Cowboys", 1971, ROOF_OPEN, CARPET},   {"Steelers", 1970, ROOF_OPEN, CARPET},
    {"Steelers", 2001, ROOF_OPEN, GRASS},   {"Bengals", 1970, ROOF_OPEN, CARPET},
    {"Eagles", 1971, ROOF_OPEN, CARPET},    {"Eagles", 2003, ROOF_OPEN, GRASS},
    {"Patriots", 1971, ROOF_OPEN, CARPET},  {"Bills", 1973, ROOF_OPEN, CARPET},
    {"Chiefs", 1972, ROOF_OPEN, CARPET},    {"Chiefs", 1994, ROOF_OPEN, GRASS},
    {"Giants", 1976, ROOF_OPEN, CARPET},    {"Jets", 1984, ROOF_OPEN, CARPET},
    {"Saints", 1975, ROOF_DOMED, CARPET},   {"Lions", 1975, ROOF_DOMED, CARPET},
    {"Seahawks", 1976, ROOF_DOMED, CARPET}, {"Seahawks", 2000, ROOF_OPEN, CARPET},
    {"Vikings", 1982, ROOF_DOMED, CARPET},  {"Colts", 1984, ROOF_DOMED, CARPET},
    {"Falcons", 1992, ROOF_DOMED, CARPET},  {"Rams", 1995, ROOF_DOMED, CARPET},
    {"Cardinals", 1971, ROOF_OPEN, CARPET}, {"Cardinals", 1988, ROOF_OPEN, GRASS},
    {"Bears", 1971, ROOF_OPEN, CARPET},     {"Bears", 1988, ROOF_OPEN, GRASS},
    {"Buccaneers", 1976, ROOF_OPEN, GRASS}, {"Texans", 2002, ROOF_CONVERTIBLE, GRASS}};

// The buildings franchises played in before their building of the tables,
// where the 2019 table's name (or the plain name of the city) would give one
// building two names in a season, or two buildings one: the Titans and Jets
// played apart from the Giants until 1984 (but for the Giants' season as the
// Jets' guests in 1975), the first Chargers shared the Rams' building and the
// first Raiders the 49ers', and the Chicago Cardinals played apart from the
// Bears. By the franchise's name of the season.
struct STADIUM_NAME_ERA {
    const char* Location;
    const char* Nickname;
    int32_t From;
    int32_t Until;
    const char* Name;
};
constexpr STADIUM_NAME_ERA STADIUM_NAME_ERAS[] = {
    {"New York", "Titans", 1960, 1962, "New York Bowl"},
    {"New York", "Jets", 1963, 1983, "New York Bowl"},
    {"New York", "Giants", 1975, 1975, "New York Bowl"},
    {"Los Angeles", "Chargers", 1960, 1960, "Los Angeles Field"},
    {"Oakland", "Raiders", 1960, 1960, "San Francisco Park"},
    {"Chicago", "Cardinals", 1938, 1959, "Chicago Park"}};

// A franchise's crowd by era before its building of the tables.
int32_t Era_Capacity(int32_t year) {
    if (year < 1960) return 38000 + (year - 1951) * 800;
    if (year < 1975) return 46000 + (year - 1960) * 900;
    if (year < 1990) return 59500 + (year - 1975) * 300;
    return 64000;
}

constexpr int32_t MODERN_TABLE_YEAR = 2019;

const std::vector<FRANCHISE_ROW>& Modern_Table() {
    static std::vector<FRANCHISE_ROW> rows;
    static bool read = false;
    if (!read) {
        std::string error;
        Read_Franchise_Table(Get_Franchise_Table_Name(MODERN_TABLE_YEAR), &rows, &error);
        read = true;
    }
    return rows;
}

// Whether the table's row is the franchise of that name in `year`: by its
// own name, or the one the history has renamed it to in the same place,
// which keeps its building.
bool Is_Row_Of_Franchise(const FRANCHISE_ROW& row, const std::string& location, const std::string& nickname,
                         int32_t year) {
    if (strcasecmp(row.Location.c_str(), location.c_str()) != 0) return false;
    if (strcasecmp(row.Nickname.c_str(), nickname.c_str()) == 0) return true;
    const std::string renamed =
        Get_Franchise_Name_In_Year(row.Location + "," + row.Nickname, MODERN_TABLE_YEAR, year);
    return strcasecmp(renamed.c_str(), (location + "," + nickname).c_str()) == 0;
}

std::string Team_Text(int32_t team, int32_t index) {
    char text[TEAM_STRING_LENGTH] = "";
    Get_Team_String(text, team, index);
    return text;
}
} // namespace

STADIUM_FIGURES Get_Model_Stadium(int32_t team, int32_t year) {
    const std::string location = Team_Text(team, 1), nickname = Team_Text(team, 2);
    STADIUM_FIGURES stadium{location + " Stadium", Era_Capacity(year), ROOF_OPEN, GRASS};
    for (const FRANCHISE_ROW& row : Modern_Table()) {
        if (!Is_Row_Of_Franchise(row, location, nickname, year)) continue;
        stadium.Name = row.Stadium;
        if (year >= FIRST_TABLE_YEAR) {
            stadium.Capacity = row.Capacity;
            stadium.Roof = row.Roof;
            stadium.Surface = row.Surface;
            return stadium;
        }
    }
    for (const STADIUM_ERA& era : STADIUM_ERAS)
        if (strcasecmp(era.Nickname, nickname.c_str()) == 0 && year >= era.From) {
            stadium.Roof = era.Roof;
            stadium.Surface = era.Surface;
        }
    for (const STADIUM_NAME_ERA& era : STADIUM_NAME_ERAS)
        if (strcasecmp(era.Location, location.c_str()) == 0 &&
            strcasecmp(era.Nickname, nickname.c_str()) == 0 && year >= era.From && year <= era.Until)
            stadium.Name = era.Name;
    return stadium;
}
