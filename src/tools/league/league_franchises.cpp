#include "tools/league/league_franchises.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <strings.h>

#include "database/cities.h"
#include "database/league_structure.h"
#include "database/team_operations.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "dialogs/new_team.h"
#include "dialogs/stadium_value.h"
#include "tools/city_lookup.h"

namespace {
constexpr int32_t TABLE_COLUMNS = 9;
constexpr int32_t CITY_STAT_TIME_ZONE = 7;
constexpr int32_t LARGEST_STADIUM = 200000;
// Room of a team string without its terminator; abbreviations are short.
constexpr size_t LONGEST_TEAM_TEXT = TEAM_STRING_LENGTH - 1;
constexpr size_t LONGEST_ABBREVIATION = 4;

std::vector<std::string> Split_Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(line);
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

bool Read_Number(const std::string& text, int32_t low, int32_t high, int32_t* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || number < low || number > high) return false;
    *value = static_cast<int32_t>(number);
    return true;
}

bool Same_Text(const std::string& a, const std::string& b) {
    return !a.empty() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::string Team_Text(int32_t team, int32_t index) {
    char buffer[TEAM_STRING_LENGTH] = "";
    Get_Team_String(buffer, team, index);
    return buffer;
}

// A franchise answers to a row when its nickname or abbreviation is the
// row's or the earlier table's.
bool Answers_To(int32_t team, const FRANCHISE_ROW& row, const FRANCHISE_ROW& earlier) {
    const std::string abbreviation = Team_Text(team, 0), nickname = Team_Text(team, 2);
    return Same_Text(nickname, row.Nickname) || Same_Text(nickname, earlier.Nickname) ||
           Same_Text(abbreviation, row.Abbreviation) || Same_Text(abbreviation, earlier.Abbreviation);
}
} // namespace

bool Parse_Franchise_Table(const std::string& text, std::vector<FRANCHISE_ROW>* rows, std::string* error) {
    std::vector<FRANCHISE_ROW> table;
    std::istringstream stream(text);
    std::string line;
    int32_t number = 0;
    std::set<std::string> abbreviations, nicknames;
    int32_t per_division[NUMBER_OF_DIVISIONS] = {};
    while (std::getline(stream, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 || line.empty()) continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        const std::vector<std::string> f = Split_Fields(line);
        if (static_cast<int32_t>(f.size()) != TABLE_COLUMNS) {
            *error = where + "expected " + std::to_string(TABLE_COLUMNS) + " fields";
            return false;
        }
        FRANCHISE_ROW row{f[0], f[1], f[2], 0, f[4], f[5], 0, 0, 0};
        for (const std::string* text_field : {&row.Location, &row.Nickname, &row.Home_City, &row.Stadium})
            if (text_field->empty() || text_field->size() > LONGEST_TEAM_TEXT) {
                *error = where + "a name is empty or longer than " + std::to_string(LONGEST_TEAM_TEXT);
                return false;
            }
        if (row.Abbreviation.empty() || row.Abbreviation.size() > LONGEST_ABBREVIATION) {
            *error = where + "the abbreviation must have 1 to 4 letters";
            return false;
        }
        if (!Read_Number(f[3], 0, NUMBER_OF_DIVISIONS - 1, &row.Division) ||
            !Read_Number(f[6], 1, LARGEST_STADIUM, &row.Capacity) || !Read_Number(f[7], 0, 2, &row.Roof) ||
            !Read_Number(f[8], 0, 1, &row.Surface)) {
            *error = where + "a division, capacity, roof or surface out of range";
            return false;
        }
        if (!abbreviations.insert(row.Abbreviation).second || !nicknames.insert(row.Nickname).second) {
            *error = where + "abbreviation or nickname given twice";
            return false;
        }
        ++per_division[row.Division];
        table.push_back(row);
    }
    if (static_cast<int32_t>(table.size()) != DEFAULT_LEAGUE_TEAMS) {
        *error = "expected " + std::to_string(DEFAULT_LEAGUE_TEAMS) + " franchises, found " +
                 std::to_string(table.size());
        return false;
    }
    for (int32_t division = 0; division < NUMBER_OF_DIVISIONS; ++division)
        if (per_division[division] != TEAMS_PER_DIVISION) {
            *error = "division " + std::to_string(division) + " has " +
                     std::to_string(per_division[division]) + " franchises";
            return false;
        }
    *rows = table;
    return true;
}

bool Read_Franchise_Table(const std::string& file_name, std::vector<FRANCHISE_ROW>* rows,
                          std::string* error) {
    std::ifstream file(file_name, std::ios::binary);
    if (!file) {
        *error = "cannot open " + file_name;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!Parse_Franchise_Table(text.str(), rows, error)) {
        *error = file_name + ": " + *error;
        return false;
    }
    return true;
}

bool Set_Franchise_From_Row(int32_t team, const FRANCHISE_ROW& row) {
    const int32_t city = Find_City_By_Name(row.Home_City.c_str());
    if (city < 0) return false;
    Set_Team_Abbreviation(row.Abbreviation.c_str(), team);
    Set_Team_Location(row.Location.c_str(), team);
    Set_Team_Nickname(row.Nickname.c_str(), team);
    Set_Team_Stadium_Name(row.Stadium.c_str(), team);
    Set_Team_Stat(team, TEAM_STAT_DIVISION, row.Division);
    Set_Team_Stat(team, TEAM_STAT_HOME_CITY, city);
    Set_Team_Stat(team, TEAM_STAT_TIME_ZONE, Get_City_Stat(city, CITY_STAT_TIME_ZONE));
    Set_Team_Stadium_Stat(team, STADIUM_CAPACITY, row.Capacity);
    Set_Team_Stadium_Stat(team, STADIUM_STRUCTURE, row.Roof);
    Set_Team_Stadium_Stat(team, STADIUM_SURFACE, row.Surface);
    Set_Team_Stadium_Stat(team, STADIUM_VALUE, Compute_Stadium_Value(team));
    return true;
}

bool Add_Table_Franchises(const std::vector<FRANCHISE_ROW>& rows, std::string* error) {
    for (const FRANCHISE_ROW& row : rows) {
        if (Find_City_By_Name(row.Home_City.c_str()) < 0) {
            *error = "unknown home city " + row.Home_City;
            return false;
        }
        const int32_t team = Add_New_Team(0);
        if (team < 0) {
            *error = "no room for " + row.Location + " " + row.Nickname;
            return false;
        }
        Set_Franchise_From_Row(team, row);
        Fill_New_Team_Roster(team);
    }
    Sort_Teams_By_Name();
    return true;
}

bool Match_Franchise_Rows(const std::vector<FRANCHISE_ROW>& rows, const std::vector<FRANCHISE_ROW>& earlier,
                          std::vector<int32_t>* teams, std::string* error) {
    if (rows.size() != earlier.size()) {
        *error = "the two franchise tables differ in size";
        return false;
    }
    const int32_t active = Count_Active_Teams();
    std::vector<int32_t> found(rows.size(), -1);
    std::set<int32_t> taken;
    for (size_t r = 0; r < rows.size(); ++r)
        for (int32_t team = 0; team < active; ++team)
            if (taken.count(team) == 0 && Answers_To(team, rows[r], earlier[r])) {
                found[r] = team;
                taken.insert(team);
                break;
            }
    // A franchise renamed and given a new abbreviation since is the one its
    // division has left.
    for (size_t r = 0; r < rows.size(); ++r) {
        if (found[r] >= 0) continue;
        int32_t candidate = -1, candidates = 0;
        for (int32_t team = 0; team < active; ++team)
            if (taken.count(team) == 0 && Get_Team_Stat(team, TEAM_STAT_DIVISION) == rows[r].Division) {
                candidate = team;
                ++candidates;
            }
        int32_t open_rows = 0;
        for (size_t o = 0; o < rows.size(); ++o)
            if (found[o] < 0 && rows[o].Division == rows[r].Division) ++open_rows;
        if (candidates != 1 || open_rows != 1) {
            *error = "no franchise of the league stands for " + rows[r].Location + " " + rows[r].Nickname;
            return false;
        }
        found[r] = candidate;
        taken.insert(candidate);
    }
    *teams = found;
    return true;
}

bool Lay_Franchise_Table(const std::vector<FRANCHISE_ROW>& rows, const std::vector<FRANCHISE_ROW>& earlier,
                         std::string* error) {
    std::vector<int32_t> teams;
    if (!Match_Franchise_Rows(rows, earlier, &teams, error)) return false;
    for (size_t r = 0; r < rows.size(); ++r)
        if (!Set_Franchise_From_Row(teams[r], rows[r])) {
            *error = "unknown home city " + rows[r].Home_City;
            return false;
        }
    Sort_Teams_By_Name();
    return true;
}
