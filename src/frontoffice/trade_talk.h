#pragma once
// What the computer general managers say in trade talks: their banter about
// an offer's score, the hint of what they are in the market for, and a team's
// needs as one or two position names.
#include <cstdint>

constexpr int32_t TRADE_HINT_LINES = 5;
constexpr int32_t TRADE_HINT_LINE_SIZE = 128;

// The banter line for a score (TRADE_REFUSED_SCORE draws one of the lines for
// an offer of nothing).
void Get_Trade_Banter(int32_t score, char* buffer);
// "A starting ...", "A backup ..." / "More depth at ...", "A young ...".
void Get_Trade_Hint_Line(int32_t row, int32_t position, char* buffer);
// The numbered hint lines of a team: its greatest need, then further needs
// above 1400, at most five. Returns the number of lines.
int32_t Get_Trade_Hint_Lines(int32_t team, char lines[TRADE_HINT_LINES][TRADE_HINT_LINE_SIZE]);
// One plural position name, or two joined by ", ".
void Get_Team_Needs_Text(char* buffer, int32_t team);
