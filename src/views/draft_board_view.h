#pragma once
// The draft board (view 40070): one round of one year's college draft: who
// was taken and by whom, the forfeited picks, and who owns the coming picks.
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t DRAFT_BOARD_ROUNDS = 7;
constexpr int32_t DRAFT_BOARD_YEARS_BACK = 25;

void Paint_Draft_Board_View(DEVICE_CONTEXT* dc);
// 1 over a step button, 2 over a pick line that can be opened, else 0. A move
// over a pick line while the draft runs with an empty pool ends the draft.
int32_t Is_Draft_Board_Hot_Spot(int32_t x, int32_t y);
void Do_Draft_Board_Click(int32_t x, int32_t y);
// The franchise player (slots below the active count) drafted with that
// overall pick of that year; the pair is first set to (NO_TEAM, 255).
bool Find_Drafted_Player(int32_t* team, int32_t* slot, int32_t year, int32_t pick);
// The newest year the board offers: the current season's, or the next one's
// while its pool waits during the season.
int32_t Get_Newest_Draft_Board_Year();
// The overall pick of line i of round r (1-7) with n picks a round.
int32_t Get_Draft_Board_Pick(int32_t round, int32_t line, int32_t picks_per_round);
// The text of line i of the board as shown (empty when the line shows nothing).
void Get_Draft_Board_Line_Text(int32_t line, char* out, int32_t size);
