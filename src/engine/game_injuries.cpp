#include "engine/game_injuries.h"

void Roll_For_Game_Injury(GAME_RECORD*) {}
int32_t Count_Game_Injuries(const GAME_RECORD*) {
    return 0;
}
void Write_Injury_Log_Line(GAME_RECORD*, int32_t, int32_t) {}
