#pragma once
// The real league's team records of the seasons up to 2021, read at the
// start of each such season: every team's record, finish and points, from
// which its team score, winning share and points for and against are set.
#include <cstdint>

// The team records file.
constexpr const char* TEAM_RECORDS_FILE = "input/stats/team_records.csv";
// Team statistics the file sets.
constexpr int32_t TEAM_STAT_TEAM_SCORE = 11;
constexpr int32_t TEAM_STAT_REAL_WINNING_SHARE = 20;
constexpr int32_t TEAM_STAT_REAL_POINTS_FOR = 21;
constexpr int32_t TEAM_STAT_REAL_POINTS_AGAINST = 22;

// Reads the lines of the current season's year from the team records file.
// The file does not ship with the game: without it the season starts as it
// is, and the absence is logged once a run (no message box every season).
void Load_Team_Records_CSV();
// One line of the file: a line of another year, of a year after 2021,
// shorter than 10 characters or of an unknown team (which is reported) sets
// nothing; nor does a malformed one (a record that is no number, a division
// place given but outside 1-5), which is reported naming its field.
struct STATS_LINE;
void Read_Team_Record_Line(const STATS_LINE& line);
