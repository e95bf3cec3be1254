#pragma once
// Checks of the seasons a database is built from. A line of the seasons file
// may not hold more games than its year's schedule, nor be the second line
// of a player with the same year and team (the builder would add the two
// together), unless the two are clubs of a later season's teams file that
// the built year knows as one franchise; and once the season is built, each player's career totals must
// be the sums of his season lines; and every team's season must add up: the
// passes its passers completed are the ones its receivers caught, for the
// same yards and touchdowns (a player who is no quarterback keeps the passes
// he threw in his line's passing columns, counted here). A broken check is reported naming the
// player, the year and the file, and fails the build.
#include <cstdint>
#include <string>
#include <vector>

struct STATS_LINE;

// Starts a fresh account of the lines read: called as a seasons file is opened.
void Begin_Season_Line_Checks();
// Checks one line of the seasons file of `year`, found to be the player's at
// (team, slot), with `line_team` the team slot it names (or a code of no
// franchise of the league, which cannot repeat). False, with the report
// made, when the line is refused.
bool Check_Season_File_Line(const STATS_LINE& line, int32_t team, int32_t slot, int32_t year,
                            int32_t line_team);
// The career totals of every player of the franchises, the free agents and
// the Hall of Fame against the sums of his season lines (a kicker's longest
// kick and punt are the longest of his lines, not a sum).
// False, with a report naming the first player found and `source`, the file
// his lines came from, when one does not add up.
bool Check_Career_Totals(const char* source);

// Adds a line of the seasons file of `year` (within the years the build
// reads, whoever's it is, from the first built season to the default
// league's founding) to its team's season.
void Note_Team_Season_Line(const STATS_LINE& line, int32_t year);
// Every team season noted since the account began against its own
// sums. False, with a report naming the team, the year, the statistic and
// `source`, at the first that does not add up.
bool Check_Team_Season_Sums(const char* source);

// Whether an error the build logged (its text, without the time stamp) is
// the seasons reader's report of a line of a later season whose team the
// built season has not founded yet, such as "Unrecognized team abbreviation:
// ATL (1966)" in the build of 1963 with ATL a team of that season's teams
// file ("Input/Stats/1966_teams.csv"). Such a line is dropped, as it must
// be, and is no failure of the build; any other unknown team is.
bool Is_Later_Franchise_Report(const std::string& text, int32_t built_year);
// The errors of the diagnostics log ("debug.txt" in the current folder)
// that are failures of the build of `built_year`: all but the reports above.
// Their texts, without the time stamp, in the order logged; `logged`, when
// given, receives the number of all errors the log holds.
std::vector<std::string> Read_Build_Failures_Logged(int32_t built_year, int32_t* logged = nullptr);
