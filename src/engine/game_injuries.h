#pragma once
// Players hurt on the field during a game.
#include <cstdint>

#include "database/game_record_layout.h"

// Commentary event that marks an injury in a logged snap, and its slot.
constexpr int32_t INJURY_EVENT_ID = 47;
constexpr int32_t INJURY_EVENT_SLOT = 9;
// Injuries a game may record before the roll stops hurting players.
constexpr int32_t MAX_GAME_INJURIES = 8;

// Gives one player on the field a chance to be hurt after a snap.
void Roll_For_Game_Injury(GAME_RECORD* pGame);
// Injuries recorded so far in this game's play log, at most 10.
int32_t Count_Game_Injuries(const GAME_RECORD* pGame);
// The same count kept for the game being played, reading only the entries
// logged since the last count and the last entry (the only one an injury
// marks). Forgotten when a game is set up and when a league is loaded.
int32_t Count_Kept_Game_Injuries(const GAME_RECORD* pGame);
void Forget_Game_Injury_Tally();
// Adds the injury line to the text and HTML play-by-play logs.
void Write_Injury_Log_Line(GAME_RECORD* pGame, int32_t team, int32_t slot);
