#pragma once
// A box score page read as its reader reads it: each side's player lines in
// the passing, rushing, receiving and defence tables against the side's lines
// in the team statistics table.
#include <string>
#include <vector>

// One row of a box score's player table: the player's name (as the page
// writes it) and the cells after it, the Team and Pos cells first.
struct BOX_SCORE_ROW {
    std::string Name;
    std::vector<std::string> Cells;
};
// The player tables of a box score page, row by row: the two offence tables
// (side 0, then side 1), then the two defence tables.
std::vector<std::vector<BOX_SCORE_ROW>> Read_Box_Score_Player_Tables(const std::string& page);

// "side s: ..." for every figure of the page's player tables that does not add
// up to the team line it belongs to: passes thrown, completions, passing yards
// (less the yards lost on sacks), touchdown passes and interceptions;
// rushes and rushing yards; catches, receiving yards and touchdown catches
// (the passes completed); sacks and interceptions of each defence (what the
// other side lost). Empty when every sum holds; a page without the tables is
// one error.
std::vector<std::string> Find_Box_Score_Sum_Errors(const std::string& page);
// The offence table rows of a side (0 or 1) whose Pos cell is not "QB" and
// whose Att cell (passes thrown) is filled: "name: Cmp/Att Yds".
std::vector<std::string> Find_Non_Quarterback_Passers(const std::string& page, int side);
