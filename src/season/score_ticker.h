#pragma once
// The score ticker of the status bar: the last three games finished in the
// week being played, each as two team lines and an overtime mark.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int32_t SCORE_TICKER_LINES = 9;
constexpr int32_t SCORE_TICKER_LINE_SIZE = 2048;

// Game k of the week fills group k mod 3: "%s %d" for each side (nickname and
// score, the leader's line in yellow) and "(OT)" after an overtime game.
void Format_Score_Ticker_Text(const GAME_RECORD* game, int32_t k);
// All lines empty, all colours 0.
void Clear_Score_Ticker();
// Copies line n into `buffer` (at least SCORE_TICKER_LINE_SIZE bytes); an
// empty line 1 reads "Simulating...".
void Get_Score_Ticker_Line(int32_t n, char* buffer);
// Colour of line n as 0x00BBGGRR.
uint32_t Get_Score_Ticker_Colour(int32_t n);
