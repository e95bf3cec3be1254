#pragma once
// Play text: headings (down and distance, field position, clock) and the
// one-sentence summary of a snap's result.
#include <cstdint>

#include "database/game_record_layout.h"
#include "database/safe_strings.h"

constexpr int NUMBER_OF_PENALTIES = 16;

// Every writer here takes the caller's buffer size (TEXT_BUFFER_SIZE by default).
void Get_Penalty_Name(int32_t n, char* buffer, int size = TEXT_BUFFER_SIZE);
void Get_Down_Text(const GAME_RECORD* pGame, char* buffer, int size = TEXT_BUFFER_SIZE);
void Get_Short_Down_Text(const GAME_RECORD* pGame, char* buffer, int bLongForm, int size = TEXT_BUFFER_SIZE);
void Get_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size = TEXT_BUFFER_SIZE);
void Get_Down_And_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size = TEXT_BUFFER_SIZE);
void Get_Short_Field_Position_Text(const GAME_RECORD* pGame, char* buffer, int size = TEXT_BUFFER_SIZE);
// Time left in the current period, "%d:%02d".
void Format_Game_Clock(const GAME_RECORD* pGame, int bStartOfPeriod, char* buffer,
                       int size = TEXT_BUFFER_SIZE);
// The result sentence of a play entry of the game.
void Write_Play_Summary_Sentence(const GAME_RECORD* pGame, const PLAY_LOG_ENTRY* pPlay, char* buffer,
                                 int size = TEXT_BUFFER_SIZE);
// Quarter label of period n (1-based): "1st Q" .. "4th Q", "OT", "OT #2" ..
void Get_Period_Label(int32_t period, char* buffer, int size = TEXT_BUFFER_SIZE);
