#pragma once
// The team records of a season as it ends (its champion decided, before the
// off-season moves on and the next season clears its games): each
// franchise's won-lost record, division place, points and playoff result, as
// the team records input file gives them. The league generator keeps them
// for every season it plays; the statistics input files of those seasons
// are written from them.
#include <cstdint>
#include <string>
#include <vector>

struct PLAYED_TEAM_RECORD {
    int32_t Year = 0;
    int32_t Team = 0;
    int32_t Wins = 0, Losses = 0, Ties = 0;
    // Place in the division (0 = first) and the division's number of teams.
    int32_t Place = 0, Division_Teams = 0;
    // Regular-season points scored and allowed.
    int32_t Points_For = 0, Points_Against = 0;
    // "Won SB", "Lost SB", "Lost Conf", "Lost Div", "Lost WC" or empty.
    std::string Playoffs;
};

// The playoff result of a team by the deepest bracket slot it reached;
// empty for a team out of the playoffs. When no league final was set up
// (two leagues crowning champions of their own), each conference champion
// is a champion.
std::string Get_Playoff_Result(int32_t team);

// The records of the season in memory, its champion decided: wins, losses
// and ties from the season's history row, places from the standings,
// points from the regular season's games.
std::vector<PLAYED_TEAM_RECORD> Get_Played_Team_Records();

// One record a line, tab separated. False with the reason in `error`.
bool Write_Played_Team_Records(const std::string& path, const std::vector<PLAYED_TEAM_RECORD>& records,
                               std::string* error);
// The records of a file written as above; a line that does not read as one
// is an error.
bool Read_Played_Team_Records(const std::string& path, std::vector<PLAYED_TEAM_RECORD>* records,
                              std::string* error);
