#pragma once
// The money of the season's games: each game's gate and expenses, and the
// revenue the league shares among its teams every week.
#include "database/game_record_layout.h"

// Books the money of one finished game for both teams.
void Compute_Game_Finances(const GAME_RECORD* game);
// Pays every team its share of the week's league revenue.
void Pay_Shared_Revenue();
