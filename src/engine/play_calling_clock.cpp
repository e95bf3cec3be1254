// Readings of the game that the play callers share.
#include "engine/play_calling_clock.h"

#include "engine/downs_and_clock.h"
#include "engine/snap_decisions.h"

int32_t Get_Possession_Side(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    return pGame->Possession_Team == pGame->Team[1] ? 1 : 0;
}

