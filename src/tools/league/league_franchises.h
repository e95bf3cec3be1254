#pragma once
// The franchise table of a default league ("League/Franchises-<year>.csv"):
// each franchise's abbreviation, location, nickname, division, home city and
// stadium, read and checked, put into the league as new franchises, and laid
// again over the league's franchises when a season's file is written.
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t DEFAULT_LEAGUE_TEAMS = 32;
constexpr int32_t TEAMS_PER_DIVISION = 4;

struct FRANCHISE_ROW {
    std::string Abbreviation;
    std::string Location;
    std::string Nickname;
    int32_t Division;
    std::string Home_City;
    std::string Stadium;
    int32_t Capacity;
    int32_t Roof;
    int32_t Surface;
};

// "League/Franchises-<year>.csv" of the installation folder in use; a season
// with such a file starts on its table. Inline, for the season database
// builder, which links nothing else of the league generator.
inline std::string Get_Franchise_Table_Name(int32_t year) {
    return "League/Franchises-" + std::to_string(year) + ".csv";
}

// Reads and checks a table from the text of its file: a header, then 32
// franchises with four in each of the eight divisions, no abbreviation or
// nickname twice, texts that fit the team record and figures in range.
// False with the reason in `error` (and `rows` untouched) otherwise.
bool Parse_Franchise_Table(const std::string& text, std::vector<FRANCHISE_ROW>* rows, std::string* error);
bool Read_Franchise_Table(const std::string& file_name, std::vector<FRANCHISE_ROW>* rows, std::string* error);

// Writes one row into a franchise: names, abbreviation, stadium and its
// figures, division and home city. False when the league's city table does
// not know the row's city (nothing of the city is changed then).
bool Set_Franchise_From_Row(int32_t team, const FRANCHISE_ROW& row);

// Adds each row as a new franchise with a full roster of new players; the
// franchises end sorted by name. False when the league has no room or a city
// is unknown.
bool Add_Table_Franchises(const std::vector<FRANCHISE_ROW>& rows, std::string* error);

// The active franchise each row stands for, `rows` being the table to lay and
// `earlier` the table the league was founded with (same franchises in the same
// order, some renamed or moved since): a franchise is known by the nickname
// or abbreviation of either table; a division's one franchise left over goes
// to its one row left over. Fills `teams` (one per row) and returns true only
// when every row found its own franchise.
bool Match_Franchise_Rows(const std::vector<FRANCHISE_ROW>& rows, const std::vector<FRANCHISE_ROW>& earlier,
                          std::vector<int32_t>* teams, std::string* error);

// Matches and writes every row, then sorts the franchises by name.
bool Lay_Franchise_Table(const std::vector<FRANCHISE_ROW>& rows, const std::vector<FRANCHISE_ROW>& earlier,
                         std::string* error);
