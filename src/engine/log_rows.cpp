#include "engine/log_rows.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <string>
void Compose_Play_Log_Row(const GAME_RECORD* pGame, int bHTML, char* buffer, int size) {  }
void Finish_Play_Log_Row(GAME_RECORD* pGame) {  }
void Append_Play_Log_Row(const GAME_RECORD* pGame, int bHTML) {  }
void Set_Log_Entry_Possession(GAME_RECORD* pGame) {  }
void Set_Log_Entry_Clock(GAME_RECORD* pGame) {  }
int Append_Play_To_Log(GAME_RECORD* pGame) { return 0; }
