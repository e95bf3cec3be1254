#pragma once
// A hand-built game between test teams 0 (visitor) and 1 (home) in game
// record 7 of the 2024 season, with log entries added one by one.
#include <cstdint>

#include "database/game_record_layout.h"

GAME_RECORD* Build_Output_Test_Game();
// Appends a log entry of `side` with `result`, the two players and yards.
PLAY_LOG_ENTRY* Add_Test_Log_Entry(GAME_RECORD* game, int side, int result, int32_t first_id,
                                   int32_t second_id, int yards, int yards2 = 0);
// Lists the player of (team, slot) among the side's game players.
void List_Test_Player(GAME_RECORD* game, int side, int32_t team, int32_t slot);
