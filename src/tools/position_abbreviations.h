#pragma once
// Position texts of the statistics files: the abbreviations of every era
// (with the expanded position codes 0-42 they stand for), the primary ones
// that decide a combined text such as "WR/KR", and a short table of players
// whose position text is known to be wrong.
#include <cstdint>

// Expanded position code of a text, or -1: the whole text when the table
// knows it (no case), otherwise its parts split at '/', '-' and ',' (the
// first five): the first primary part decides at once, else the first part
// the table knows.
int32_t Parse_Position_Abbreviation(const char* text);
// The table's code for the text (no case); -1 when it is not there.
int32_t Lookup_Position_Abbreviation(const char* text);
// True when the text is one of the primary abbreviations (case matters).
bool Is_Primary_Position_Abbreviation(const char* text);
// The position the override table gives a full name ("first last", no case); -1 when none.
int32_t Lookup_Position_Override(const char* full_name);
// The player's position (vital 1) and expanded position byte from a position
// text: "DB" is a cornerback with a uniform number in the twenties and a
// safety otherwise; a running back numbered in the forties is a fullback; an
// unknown text falls back on the override table. A non-empty text that names
// no position is reported ("Players.csv") and the player is cleared.
void Set_Player_Position_From_Text(int32_t team, int32_t slot, const char* text);
