#pragma once
// The seasons statistics file "input/stats/seasons.csv": one line per player,
// season and team. Building a season database reads every line within 25
// years before and 15 after the base year: each makes sure the player has a
// season line of that team and year, which it fills, and credits his career,
// last and predicted seasons. Replay mode reads the lines of the current
// season year into the players' this-season statistics.
#include <cstdint>

constexpr const char* SEASONS_CSV_NAME = "input/stats/seasons.csv";
// A build reads the lines of the years after base year - 25.
constexpr int32_t SEASONS_FILE_YEARS_BEFORE = 25;
// The team a line of `year` names by `text`, as the reader takes it: for an
// earlier season whose team file names the text, the franchise the league's
// history carries that team on to; otherwise the text as an abbreviation of
// that season, a historic name, or the abbreviation of an earlier season of
// a franchise the league's history has renamed since. A team slot,
// SKIPPED_TEAM_CODE for another league's club, NO_TEAM when unknown. Nothing
// is reported.
int32_t Find_Seasons_File_Team(const char* text, int32_t year);

// 1 when the seasons file can be opened; otherwise tells the user once
// ("Read Error") and returns 0.
int32_t Check_Seasons_CSV();
// Reads the file in its replay form (flag 1) or its build form (0), with
// Replay_Mode set to the flag while it reads; 1 when it was read, 0 when it
// could not be opened. The build form refuses malformed lines (reported,
// and the build fails); the replay form takes what a field begins with.
int32_t Load_Seasons_CSV(int32_t replay);
struct STATS_LINE;
void Read_Season_Line(const STATS_LINE& line);
// Credits one value of a year to a player: in the build form his season
// line of the line being read, career (before the base year), last season
// (the year before) and predicted season (the base year and the year before
// it counting twice, figures of the era flag brought to the scale of 2022);
// a kicker's longest kick and punt keep the longest. In replay form the
// current year's value goes into this season while that figure is still 0.
void Add_Season_Stat(int32_t team, int32_t slot, int32_t year, int32_t stat, int32_t value, int32_t era);
