#pragma once
// Crafted game states for the engine tests.
#include <cstring>

#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "playbook_test_support.h"

// A regular-season game between teams 1 (visitor) and 2 (home), side 0 on
// offence at the given spot.
inline GAME_RECORD* Crafted_Game(int32_t clock, uint32_t down, int32_t to_go, int32_t to_goal) {
    Reset_Test_League(4);
    Universe.Season_Length = 17;
    Set_User_Preference(OVERTIME_MINUTES, 10);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 1;
    game->Team[1] = 2;
    game->Week = 3;
    game->Possession_Team = 1;
    game->Clock = static_cast<int16_t>(clock);
    game->Down_Word = down;
    game->Yards_To_Go = static_cast<int8_t>(to_go);
    game->Yards_To_Goal = static_cast<int8_t>(to_goal);
    game->Timeouts[0] = 3;
    game->Timeouts[1] = 3;
    Clear_Current_Play(game);
    return game;
}
