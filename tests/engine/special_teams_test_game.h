#pragma once
// A crafted game on the filled test league for the kicking, penalty and injury
// resolvers: teams 1 (visitor) and 2 (home), side 0 in possession, both
// elevens taken from roster slots by position.
#include <cstring>

#include "database/player_record.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/pregame_setup.h"
#include "support/test_league.h"

// `rebuild` restores the whole test league first; loops pass false after their
// first game to reset only the game record.
inline GAME_RECORD* Special_Teams_Game(uint32_t down, int32_t to_goal, int32_t clock = 600,
                                       bool rebuild = true) {
    if (rebuild) Build_Test_League();
    Universe.Season_Length = 17;
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 1;
    game->Team[1] = 2;
    game->Week = 3;
    game->Season_Year = 2020;
    game->Wind_Speed = INDOOR_WIND;
    game->Possession_Team = 1;
    game->Clock = static_cast<int16_t>(clock);
    game->Down_Word = down;
    game->Yards_To_Go = 10;
    game->Yards_To_Goal = static_cast<int8_t>(to_goal);
    Clear_Current_Play(game);
    // Offence: QB, K (slot 1 holds the kicker), RB, WR, TE, then the line;
    // slot 0 of each side is the kicker or returner on kicks.
    const int32_t offense[ON_FIELD_PLAYERS] = {
        Test_League_Slot(POSITION_P, 0),  Test_League_Slot(POSITION_K, 0),  Test_League_Slot(POSITION_RB, 0),
        Test_League_Slot(POSITION_WR, 0), Test_League_Slot(POSITION_WR, 1), Test_League_Slot(POSITION_TE, 0),
        Test_League_Slot(POSITION_T, 0),  Test_League_Slot(POSITION_G, 0),  Test_League_Slot(POSITION_C, 0),
        Test_League_Slot(POSITION_G, 1),  Test_League_Slot(POSITION_T, 1)};
    const int32_t defense[ON_FIELD_PLAYERS] = {
        Test_League_Slot(POSITION_WR, 2), Test_League_Slot(POSITION_DE, 0), Test_League_Slot(POSITION_DT, 0),
        Test_League_Slot(POSITION_DT, 1), Test_League_Slot(POSITION_DE, 1), Test_League_Slot(POSITION_LB, 0),
        Test_League_Slot(POSITION_LB, 1), Test_League_Slot(POSITION_CB, 0), Test_League_Slot(POSITION_CB, 1),
        Test_League_Slot(POSITION_S, 0),  Test_League_Slot(POSITION_S, 1)};
    for (int i = 0; i < ON_FIELD_PLAYERS; ++i) {
        game->On_Field[0][i] = static_cast<uint8_t>(offense[i]);
        game->On_Field[1][i] = static_cast<uint8_t>(defense[i]);
    }
    Current_Game = game;
    return game;
}
