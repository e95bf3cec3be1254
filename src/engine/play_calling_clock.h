#pragma once
// Readings of the game that the play callers share.
#include <cstdint>

#include "database/game_record_layout.h"

// Side (0 or 1) of the team in possession; 0 when it matches neither byte.
int32_t Get_Possession_Side(const GAME_RECORD* pGame);
