#pragma once
// The game driver's end-of-game rule, which the league's result queries ask of
// every game record.
#include <cstdint>

#include "database/game_record_layout.h"

// 1 when the game in the record is over by the clock, the score, a pending try
// and the overtime rule of the regular season or the playoffs.
int32_t Is_Game_Over(GAME_RECORD* pGame);
