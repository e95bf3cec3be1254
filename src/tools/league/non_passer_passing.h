#pragma once
// The passes thrown by players who are no quarterbacks, kept by the league
// generator as the games are played. Such a pass counts in its team's
// passing totals but has no place in the passer's own season line (his
// statistics hold other figures under the passing numbers); the statistics
// input files write them into the passing columns of his line of that team
// and season, which the builder reads only for quarterbacks, so that a
// team's passing columns add up to what its receivers caught.
#include <cstdint>
#include <string>
#include <vector>

struct SEASON_LINE;

struct NON_PASSER_PASSING {
    int32_t Year = 0;
    // The team slot he threw for and his player id in that season's league.
    int32_t Team = 0;
    int32_t Player_Id = 0;
    int32_t Attempts = 0, Completions = 0, Yards = 0, Touchdowns = 0, Interceptions = 0;
};

// Starts or stops keeping: while kept, every regular-season passing credit
// that a quarterback's line would have taken and only the team totals did
// is added to the passer's figures of the current year and his team.
void Keep_Non_Passer_Passing(bool keep);
// Forgets what was kept.
void Clear_Kept_Non_Passer_Passing();
// What was kept, in year, team and player id order.
std::vector<NON_PASSER_PASSING> Get_Kept_Non_Passer_Passing();
// Adds one credit of the game's passing statistics (2 attempts, 3
// completions, 4 interceptions, 5 yards, 6 touchdowns) to `figures`; other
// statistics are not passing figures and change nothing.
void Add_Non_Passer_Passing_Credit(NON_PASSER_PASSING* figures, int32_t stat, int32_t amount);

// One passer's season a line, tab separated. False with the reason in `error`.
bool Write_Non_Passer_Passing(const std::string& path, const std::vector<NON_PASSER_PASSING>& passing,
                              std::string* error);
// The figures of a file written as above; a line that does not read as
// one is an error.
bool Read_Non_Passer_Passing(const std::string& path, std::vector<NON_PASSER_PASSING>* passing,
                             std::string* error);

// The regular season of the current year just played: each franchise's
// passing totals (which count every pass) against its quarterbacks' lines of
// the year, those of `left_lines` (the lines of quarterbacks who left the
// league during the season) included, and the passes kept of its other
// players. False with the first team that differs in `error`.
bool Check_Regular_Season_Passing(const std::vector<SEASON_LINE>& left_lines, std::string* error);
