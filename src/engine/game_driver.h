#pragma once
// The game driver: plays one scheduled game from an empty record to the final
// whistle, resumes a game that was saved half played, decides when a game is
// over by its overtime rules, and books the result.
#include <cstdint>

#include "database/game_record_layout.h"

// Sizes of the two play-by-play work buffers, zeroed after every finished game.
constexpr int32_t PBP_WORK_BUFFER_SIZE = 902000;
constexpr int32_t PBP_SECOND_WORK_BUFFER_SIZE = 656000;
// The buffers, for whoever writes into them (0 the first, 1 the second):
// handing one out marks both for zeroing at the end of the game, so a game
// that never touched them costs no zeroing of a megabyte and a half.
char* Get_Play_By_Play_Work_Buffer(int32_t which);
void Clear_Play_By_Play_Work_Buffers();
// The work tables' flag word, cleared or set together with zeroing both
// buffers whether or not they were handed out.
extern int32_t Work_Tables_Flag;
void Clear_Work_Tables_Flag();
void Set_Work_Tables_Flag();

// Game-screen mode flag the views read: set when a game finishes, cleared
// whenever a watched snap waits for the user's call.
extern int32_t Game_Screen_Mode;

// Plays the game of `week` between `home` (byte 1) and `visitor` (byte 0) in
// pGame. 1 when the game ended, 0 when it did not run or was interrupted.
int Play_Game(int32_t home, int32_t visitor, int32_t week, GAME_RECORD* pGame);
// Coin toss and opening kickoff of a new game (skipped when resuming), then the
// play loop. 1 when the game was played to its end.
int Begin_Game(GAME_RECORD* pGame);
// Writes the game files, credits games played and books the win, loss or tie.
void Finish_Game(GAME_RECORD* pGame, int32_t week);
// 1 when the game is over by the clock, the scores and the overtime mode.
int Is_Game_Over(const GAME_RECORD* pGame);

// Writes "DownAndDistance.csv": snaps by down and yards to go since start-up.
void Write_Down_And_Distance_File();
