// Readings of the game that the play callers share.
#include "engine/play_calling_clock.h"

#include "engine/downs_and_clock.h"
#include "engine/snap_decisions.h"

int32_t Get_Possession_Side(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    return pGame->Possession_Team == pGame->Team[1] ? 1 : 0;
}

int32_t Get_Half_Time_Left(const GAME_RECORD* pGame) {
    if (pGame == nullptr) return 0;
    if (pGame->Clock < HALF_SECONDS) return HALF_SECONDS - pGame->Clock;
    return Get_Game_Time_Left(pGame);
}
