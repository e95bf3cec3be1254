#pragma once
// Comparing two seasons' roster files: the players of 2021's rosters whom
// 2022's rosters do not name.
#include <cstdint>

// 1 when a line of the file (each read to 2,047 characters, at most
// 1,000,001 lines) holds the text (case matters); 0 otherwise or when the
// file cannot be opened.
int32_t File_Has_Line_With_Text(const char* file_name, const char* text);
// "Free-Agents.csv": every line of "input/stats/2021_rosters.csv" whose
// first field no line of "input/stats/2022_rosters.csv" holds.
void Write_Free_Agents_CSV();
