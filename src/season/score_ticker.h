#pragma once
// The score columns of the news ticker: the last three finished games of the
// week being played, three lines each (first team, second team, overtime).
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int32_t SCORE_TICKER_LINES = 9;
constexpr int32_t SCORE_TICKER_TEXT_SIZE = 2048;

// Writes the finished game into group k mod 3.
void Format_Score_Ticker_Text(const GAME_RECORD* game, int32_t k);
// All nine lines empty, all colours 0.
void Clear_Score_Ticker();
// Line `line` into `buffer`; line 1, when empty, reads "Simulating...".
void Get_Score_Ticker_Line(int32_t line, char* buffer, int32_t size);
// The line's colour, 0x00BBGGRR.
uint32_t Get_Score_Ticker_Colour(int32_t line);
