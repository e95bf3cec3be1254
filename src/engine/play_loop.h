#pragma once
// The play loop: runs the snaps of a game, gathers the calls from the computer
// or (in a watched game) from the user through the message layer, dispatches
// each snap to its resolver and animates the result.
#include <cstdint>

#include "database/game_record_layout.h"

constexpr int32_t GAMES_VIEW = 40086;
constexpr int32_t DOWN_DISTANCE_ROWS = 30;
constexpr int32_t NO_PLAY_CALL = 255;

// Snaps by down (0-3) and yards to go (capped at 29) since the program started.
extern int32_t Down_Distance_Counts[4][DOWN_DISTANCE_ROWS];
// Calls of the latest snap from scrimmage; -1 before the first.
extern int32_t Last_Offensive_Play;
extern int32_t Last_Defensive_Play;

// Runs snaps until the calendar stops, the target week is reached, the game is
// over or the program is asked to quit.
void Run_Game_Play_Loop(GAME_RECORD* pGame);
// Resolves the current snap: clock, penalty, the play, downs and score.
void Resolve_Play(GAME_RECORD* pGame);
// Resolves a play from scrimmage: kneel-down, designed run, pass or scramble.
void Run_Scrimmage_Play(GAME_RECORD* pGame);

// 1 while a watched game still waits for the user's call.
int Is_Waiting_For_Play_Calls(const GAME_RECORD* pGame);
// True when the user calls the team's plays.
bool Is_Team_User_Called(int32_t team);

// The ball goes to the other team: overtime possession bit of the side losing
// it, yards to goal turned around, red-zone flags cleared.
void Change_Possession(GAME_RECORD* pGame);
// True when the quarterback takes the snap under centre and drops back.
bool Is_Drop_Back_From_Center(const GAME_RECORD* pGame);
// Offence in formation 3, defence in 25 (3-4 teams) or 22; elevens loaded.
void Set_Default_Formations(GAME_RECORD* pGame);

// Milliseconds of one animation step: 0 while running to a quarter.
int32_t Get_Animation_Step();
// Waiting_For_Click while the games view is shown and no quarter run is on.
bool Is_Waiting_For_Click();
bool Is_Sim_To_Quarter_Set();
// 0 clears the quarter run; n runs on to the current quarter + n.
void Set_Sim_To_Quarter(int32_t n);
