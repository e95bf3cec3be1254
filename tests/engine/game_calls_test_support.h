#pragma once
// A game between two teams of the test league for the play-calling tests.
#include <cstring>

#include "database/game_record_layout.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "engine/downs_and_clock.h"
#include "engine/playbook_records.h"
#include "platform/message_queue.h"

// Team 0 visits team 1 and has the ball: first and 10 at midfield early in
// the first quarter, no score, three timeouts each.
// The play callers read the time left from the clock queries of the game
// flow; tests of time-dependent calls first assert that those answer.
inline bool Clock_Queries_Answer() {
    GAME_RECORD probe{};
    return Get_Game_Time_Left(&probe) == 3600;
}

inline GAME_RECORD* Start_Test_Game() {
    Set_Default_Playbooks(0);
    Set_Default_Playbooks(1);
    // A neutral run/pass balance for both teams.
    Set_Team_Stat(0, TEAM_STAT_OFFENSIVE_BALANCE, 10);
    Set_Team_Stat(1, TEAM_STAT_OFFENSIVE_BALANCE, 10);
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof *game);
    game->Team[0] = 0;
    game->Team[1] = 1;
    game->Possession_Team = 0;
    game->Season_Year = 2020;
    game->Timeouts[0] = 3;
    game->Timeouts[1] = 3;
    game->Clock = 300;
    game->Yards_To_Goal = 50;
    game->Yards_To_Go = 10;
    game->Down_Word = 0;
    for (auto& side : game->On_Field)
        for (auto& slot : side)
            slot = 255;
    return game;
}

// Runs `edit` from a window procedure, as a dialog's answer to the user: the
// way a playbook is edited between two snaps of a game.
template <typename EDIT> void Edit_Through_A_Window(EDIT edit) {
    static EDIT* pending = nullptr;
    pending = &edit;
    constexpr WINDOW_HANDLE EDITOR = 4242;
    Set_Window_Procedure(EDITOR, [](WINDOW_HANDLE, uint32_t, uintptr_t, intptr_t) -> intptr_t {
        (*pending)();
        return 0;
    });
    Send_Window_Message(EDITOR, MSG_FIRST_APP, 0, 0);
    Set_Window_Procedure(EDITOR, nullptr);
}
