#pragma once
// Crafted snaps for the run and pass resolvers: test teams 0 (visitor) and 1
// (home) of the filled test league with the default playbooks, both elevens
// on the field, side 0 on offence.
#include <cstring>

#include "database/player_record.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/universe.h"
#include "engine/game_record.h"
#include "engine/play_matchups.h"
#include "engine/playbook_records.h"
#include "support/test_league.h"

// Roster slots of the offensive eleven in on-field order: QB, RB, FB, three
// receivers and a tight end, then T, G, C, G, T.
inline int32_t Test_Offense_Slot(int32_t i) {
    static const int32_t positions[11][2] = {{POSITION_QB, 0}, {POSITION_RB, 0}, {POSITION_FB, 0},
                                             {POSITION_WR, 0}, {POSITION_WR, 1}, {POSITION_TE, 0},
                                             {POSITION_T, 0},  {POSITION_G, 0},  {POSITION_C, 0},
                                             {POSITION_G, 1},  {POSITION_T, 1}};
    return Test_League_Slot(positions[i][0], positions[i][1]);
}

inline int32_t Test_Defense_Slot(int32_t i) {
    static const int32_t positions[11][2] = {{POSITION_DE, 0}, {POSITION_DT, 0}, {POSITION_DT, 1},
                                             {POSITION_DE, 1}, {POSITION_LB, 0}, {POSITION_LB, 1},
                                             {POSITION_LB, 2}, {POSITION_CB, 0}, {POSITION_CB, 1},
                                             {POSITION_S, 0},  {POSITION_S, 1}};
    return Test_League_Slot(positions[i][0], positions[i][1]);
}

// Sets every stored rating (Accuracy .. Punt Distance) of a player.
inline void Set_All_Ratings(int32_t team, int32_t slot, float value) {
    for (int32_t r = RATING_ACCURACY; r <= RATING_PUNT_DISTANCE; ++r)
        Set_Player_Rating(team, slot, r, value);
}

inline GAME_RECORD* Crafted_Snap(uint32_t down, int32_t to_go, int32_t to_goal, int32_t offensive_play = 0,
                                 int32_t defensive_play = 0, bool fresh_league = true) {
    if (fresh_league) Build_Test_League();
    Set_Default_Playbooks(0);
    Set_Default_Playbooks(1);
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 1);
    Clear_Play_Use_Counts();
    GAME_RECORD* game = &Universe.Games[0];
    std::memset(game, 0, sizeof(*game));
    game->Team[0] = 0;
    game->Team[1] = 1;
    game->Week = 1;
    game->Possession_Team = 0;
    game->Clock = 600;
    game->Wind_Speed = 65535;
    game->Temperature = 70;
    game->Down_Word = down;
    game->Yards_To_Go = static_cast<int8_t>(to_go);
    game->Yards_To_Goal = static_cast<int8_t>(to_goal);
    Clear_Current_Play(game);
    game->Current_Play.Offensive_Play = static_cast<uint8_t>(offensive_play);
    game->Current_Play.Defensive_Play = static_cast<uint8_t>(defensive_play);
    game->Formation[0] = Get_Offensive_Play_Formation(0, offensive_play);
    for (int32_t i = 0; i < ON_FIELD_PLAYERS; ++i) {
        game->On_Field[0][i] = static_cast<uint8_t>(Test_Offense_Slot(i));
        game->On_Field[1][i] = static_cast<uint8_t>(Test_Defense_Slot(i));
    }
    return game;
}

// First play number 0..53 of team 0's playbook that the test accepts.
template <typename Test> int32_t Find_Test_Play(Test test) {
    for (int32_t play = 0; play < 54; ++play)
        if (test(play)) return play;
    return -1;
}
