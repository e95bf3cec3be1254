#pragma once
// The ratings export: one comma-separated line per player of the league with
// his 26 ratings, in "Output/Ratings/<year>_Player_Ratings.csv". The first
// line names the columns: 1 the player's id in the outside database, 2 his
// team, 3 and 4 his first and last names, 5 his position, 6 his depth-chart
// slot, 7-31 the ratings Accuracy to Punt Power and 32 Durability, each a
// whole number (the fraction cut off), so a reader of the ratings takes
// column 1 and columns 7-32.
#include <cstdint>
#include <string>

// Every position (the Sortable Stats dialog's "any position").
constexpr int32_t RATINGS_ALL_POSITIONS = 15;

// "Output/Ratings/<year>_Player_Ratings.csv".
std::string Get_Player_Ratings_Path(int32_t year);
// Writes the file for `year` with the players of `position` (15: all) of
// the franchises in use and the free agents; returns the lines written.
// A file that cannot be written is told, naming it, and gives 0.
int32_t Export_Player_Ratings_CSV(int32_t position, int32_t year);
// The player's line, as the file holds it (without its line end).
std::string Format_Player_Ratings_Row(int32_t team, int32_t slot);
// Appends the player's line; false when he is skipped (no player, or no id
// from the outside database at the very start of a game) or it could not be
// written.
bool Write_Player_Ratings_Row(const char* path, int32_t team, int32_t slot);
// Appends the lines of the players of `position` (15: all) of the franchises
// in use and the free agents to the file at `path`; returns the lines written.
int32_t Append_Player_Ratings_Rows(const char* path, int32_t position);
// Advanced Tools' "Export Player Ratings": asks whether to export the position
// chosen in Sortable Stats or every player, exports and tells how many lines
// were written.
void Export_Player_Ratings_Command();
