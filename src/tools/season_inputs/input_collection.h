#pragma once
// The statistics input files as they are being made: whole files by their
// path under the installation, and the lines of the files every season
// shares (players, seasons, team records, personnel, combine results), to be
// joined with their headers at the end. Files are written only when their
// contents change, so a build step that reads them runs again only then.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct SHARED_LINES {
    std::map<int32_t, std::string> Players;
    // Seasons lines by player id, in the order they were made.
    std::vector<std::pair<int32_t, std::string>> Seasons;
    std::vector<std::string> Team_Records;
    std::vector<std::string> Personnel;
    std::map<int32_t, std::string> Combine;
    // The person behind each id the history gave ("first|last|birth date"),
    // so the seasons that follow keep a player's id.
    std::map<int32_t, std::string> People;
};

struct INPUT_COLLECTION {
    std::map<std::string, std::string> Files;
    SHARED_LINES Shared;
};

// The shared files' paths under the installation.
extern const char* const PLAYERS_INPUT_FILE;
extern const char* const SEASONS_INPUT_FILE;
extern const char* const TEAM_RECORDS_INPUT_FILE;
extern const char* const PERSONNEL_INPUT_FILE;
extern const char* const COMBINE_INPUT_FILE;

// Writes `text` to `path` unless the file already holds exactly that text
// (through a temporary file that takes its name). False on a write failure.
bool Write_File_If_Changed(const std::string& path, const std::string& text);
// Every whole file under `folder`; false with the path in `error` on a failure.
bool Write_Collected_Files(const INPUT_COLLECTION& files, const std::string& folder, std::string* error);
// The shared files' texts: headers, then the lines (seasons lines only of
// players with a players line).
std::map<std::string, std::string> Join_Shared_Files(const SHARED_LINES& lines);
// The shared lines kept between the two steps of the generator, in one file.
bool Save_Shared_Lines(const SHARED_LINES& lines, const std::string& path, std::string* error);
bool Load_Shared_Lines(SHARED_LINES* lines, const std::string& path, std::string* error);
