#pragma once
// The season lines of the seasons the default league played, whole: the
// seasons file carries only the figures its columns name (a lineman's
// rushes and penalties, a receiver's yards after the catch, a defender's
// coverage and others have no column), so the season inputs generator
// writes every played line's 20 statistics beside it, keyed as the seasons
// file keys them (player id, year, team text), and the season database
// builder lays them on the lines it built from the seasons file. A
// player's line in a database is then his line in the league that played it.
#include <cstdint>
#include <string>

// The file, under the installation, and its header.
extern const char* const PLAYED_LINES_FILE;
extern const char* const PLAYED_LINES_HEADER;

// One line of the file, without its end.
std::string Make_Played_Line(int32_t id, int32_t year, const std::string& team_text, const int32_t* stats);

// Lays the file's lines on the built league in the block: every line of a
// year the season's seasons file reaches (the 24 before the base year) whose
// player the league holds takes the file's 20 statistics, and his career and
// last season totals move by what changed, so they stay the sums of his
// lines. The number of lines changed; -1 with the reason in `error` when the
// file cannot be read or a line of a held player has no season line to lay
// it on.
int32_t Lay_Played_Lines(std::string* error);
