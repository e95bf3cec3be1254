#pragma once
// The Save Game command and the prompts that guard against losing a game.
#include <cstdint>

#include "platform/handles.h"

// The Save Game command: the Save dialog's result, 0 when refused (games are
// being played and none is watched).
int32_t Do_Save_Game(WINDOW_HANDLE owner);
// 1 when the caller may go on (nothing changed, the user declined to save, or
// the Save dialog ended with 1); 0 when the caller must abandon its command.
int32_t Check_Save_Changes(WINDOW_HANDLE owner);
// Tells the user the command must wait for the end of the day, and stops the
// calendar after the current day.
void Stop_Day_With_Message(const char* caption, const char* text);
