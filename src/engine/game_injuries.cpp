#include "engine/game_injuries.h"

void Roll_For_Game_Injury(GAME_RECORD*) {}

int32_t Count_Game_Injuries(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    // The injuries of a game are the logged snaps marked with the injury event.
    int32_t count = pGame->Play_Log_Count;
    if (count < 0) count = 0;
    if (count > MAX_PLAY_LOG_ENTRIES) count = MAX_PLAY_LOG_ENTRIES;
    int32_t injuries = 0;
    for (int32_t n = 0; n < count && injuries < 10; ++n) {
        if (pGame->Play_Log[n].Events[INJURY_EVENT_SLOT].Event_Id == INJURY_EVENT_ID) ++injuries;
    }
    return injuries;
}

void Write_Injury_Log_Line(GAME_RECORD*, int32_t, int32_t) {}
