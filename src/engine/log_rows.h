#pragma once
// Play-by-play log rows: the start of a snap's row (team, clock, down, yard
// line, the two calls) and its end (result sentence, score line), plus the
// 256-entry play log of the game record.
#include <cstdint>

#include "database/game_record_layout.h"
#include "database/safe_strings.h"

void Compose_Play_Log_Row(const GAME_RECORD* pGame, int bHTML, char* buffer, int size = TEXT_BUFFER_SIZE);
void Finish_Play_Log_Row(GAME_RECORD* pGame);
void Append_Play_Log_Row(const GAME_RECORD* pGame, int bHTML);
// Both rows of a snap, the page's and then the plain text's, from one reading.
void Append_Play_Log_Rows(const GAME_RECORD* pGame);

void Set_Log_Entry_Possession(GAME_RECORD* pGame);
void Set_Log_Entry_Clock(GAME_RECORD* pGame);
// Appends the current entry to the log; 0 when the log is full.
int Append_Play_To_Log(GAME_RECORD* pGame);
