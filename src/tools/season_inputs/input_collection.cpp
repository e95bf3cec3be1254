#include "tools/season_inputs/input_collection.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/season_inputs/input_rows.h"
#include "tools/web_import.h"

const char* const PLAYERS_INPUT_FILE = "Input/Stats/Players.csv";
const char* const SEASONS_INPUT_FILE = "Input/Stats/Seasons.csv";
const char* const TEAM_RECORDS_INPUT_FILE = "Input/Stats/Team_Records.csv";
const char* const PERSONNEL_INPUT_FILE = "Input/Stats/Personnel.csv";
const char* const COMBINE_INPUT_FILE = "Input/Stats/Combine_Results.csv";

namespace {
namespace fs = std::filesystem;

// Section marks of the kept shared lines.
constexpr const char* PLAYERS_MARK = "#players";
constexpr const char* SEASONS_MARK = "#seasons";
constexpr const char* RECORDS_MARK = "#records";
constexpr const char* PERSONNEL_MARK = "#personnel";
constexpr const char* COMBINE_MARK = "#combine";
constexpr const char* PEOPLE_MARK = "#people";
} // namespace

bool Write_File_If_Changed(const std::string& path, const std::string& text) {
    {
        std::ifstream old(path, std::ios::binary);
        if (old) {
            std::ostringstream held;
            held << old.rdbuf();
            if (held.str() == text) return true;
        }
    }
    std::error_code failure;
    fs::create_directories(fs::path(path).parent_path(), failure);
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.good()) return false;
    }
    fs::rename(temporary, path, failure);
    return !failure;
}

bool Write_Collected_Files(const INPUT_COLLECTION& files, const std::string& folder, std::string* error) {
    for (const auto& [name, text] : files.Files)
        if (!Write_File_If_Changed(folder + "/" + name, text)) {
            *error = "cannot write " + folder + "/" + name;
            return false;
        }
    return true;
}

std::map<std::string, std::string> Join_Shared_Files(const SHARED_LINES& lines) {
    std::map<std::string, std::string> files;
    std::string players = std::string(PLAYERS_CSV_HEADER) + "\n";
    for (const auto& [id, line] : lines.Players)
        players += line + "\n";
    std::string seasons = std::string(SEASONS_CSV_HEADER) + "\n";
    for (const auto& [id, line] : lines.Seasons)
        if (lines.Players.count(id) != 0) seasons += line + "\n";
    std::string records = std::string(TEAM_RECORDS_FILE_HEADER) + "\n";
    for (const std::string& line : lines.Team_Records)
        records += line + "\n";
    std::string personnel = std::string(PERSONNEL_CSV_HEADER) + "\n";
    for (const std::string& line : lines.Personnel)
        personnel += line + "\n";
    std::string combine = std::string(COMBINE_CSV_HEADER) + "\n";
    for (const auto& [id, line] : lines.Combine)
        if (lines.Players.count(id) != 0) combine += line + "\n";
    files[PLAYERS_INPUT_FILE] = players;
    files[SEASONS_INPUT_FILE] = seasons;
    files[TEAM_RECORDS_INPUT_FILE] = records;
    files[PERSONNEL_INPUT_FILE] = personnel;
    files[COMBINE_INPUT_FILE] = combine;
    return files;
}

bool Save_Shared_Lines(const SHARED_LINES& lines, const std::string& path, std::string* error) {
    std::ostringstream out;
    out << PLAYERS_MARK << "\n";
    for (const auto& [id, line] : lines.Players)
        out << id << "\t" << line << "\n";
    out << SEASONS_MARK << "\n";
    for (const auto& [id, line] : lines.Seasons)
        out << id << "\t" << line << "\n";
    out << RECORDS_MARK << "\n";
    for (const std::string& line : lines.Team_Records)
        out << line << "\n";
    out << PERSONNEL_MARK << "\n";
    for (const std::string& line : lines.Personnel)
        out << line << "\n";
    out << COMBINE_MARK << "\n";
    for (const auto& [id, line] : lines.Combine)
        out << id << "\t" << line << "\n";
    out << PEOPLE_MARK << "\n";
    for (const auto& [id, person] : lines.People)
        out << id << "\t" << person << "\n";
    if (!Write_File_If_Changed(path, out.str())) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

bool Load_Shared_Lines(SHARED_LINES* lines, const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot read " + path;
        return false;
    }
    *lines = SHARED_LINES{};
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#') {
            section = line;
            continue;
        }
        const size_t tab = line.find('\t');
        const int32_t id =
            tab == std::string::npos ? 0 : static_cast<int32_t>(std::stol(line.substr(0, tab)));
        const std::string rest = tab == std::string::npos ? line : line.substr(tab + 1);
        if (section == PLAYERS_MARK)
            lines->Players[id] = rest;
        else if (section == SEASONS_MARK)
            lines->Seasons.emplace_back(id, rest);
        else if (section == RECORDS_MARK)
            lines->Team_Records.push_back(line);
        else if (section == PERSONNEL_MARK)
            lines->Personnel.push_back(line);
        else if (section == COMBINE_MARK)
            lines->Combine[id] = rest;
        else if (section == PEOPLE_MARK)
            lines->People[id] = rest;
    }
    return true;
}
