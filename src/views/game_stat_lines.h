#pragma once
// One-line statistics of a player in one game, and the game's best player of
// a side, as the Games view and its "Player of the Game" texts show them.
#include <cstdint>

#include "database/game_record_layout.h"

// The line of entry 0..79 of a side by the player's position; empty for
// positions without a format. A buffer of FORMATTED_TEXT_SIZE bytes.
void Format_Game_Player_Line(char* buffer, const GAME_RECORD* pGame, int32_t side, int32_t entry);
// The same from a position and the five counters.
void Format_Position_Game_Line(char* buffer, int32_t position, const int32_t counters[5]);
// The side's entry with the best game score above 0 (the first on ties), or -1.
int32_t Find_Player_Of_The_Game(const GAME_RECORD* pGame, int32_t side);
// "<name>: <line>" of that entry (last name, or full name); ": " without one.
void Format_Player_Of_The_Game(const GAME_RECORD* pGame, int32_t side, char* buffer, bool last_names);
// The full name and the last name of the player of a side's entry; empty
// when the entry names nobody who is still in the league. Buffers of
// PLAYER_NAME_TEXT_SIZE bytes.
void Get_Game_Entry_Full_Name(const GAME_RECORD* pGame, int32_t side, int32_t entry, char* out);
void Get_Game_Entry_Last_Name(const GAME_RECORD* pGame, int32_t side, int32_t entry, char* out);
// Team and roster slot of the player of a side's entry; false when gone.
bool Find_Game_Entry_Player(const GAME_RECORD* pGame, int32_t side, int32_t entry, int32_t* team,
                            int32_t* slot);
