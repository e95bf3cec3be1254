#pragma once
// The two lines of the date box the game-day and news screens show.
#include <cstdint>

// Fills `first` and `second` (FORMATTED_TEXT_SIZE bytes each): "Round %d" and
// "Pick %d" during a fantasy draft; the year and "Amateur Draft" during the
// college draft; in the season the year and the week's short name; otherwise
// the two years the off-season lies between and "Offseason".
void Get_Date_Line_Texts(char* first, char* second);
