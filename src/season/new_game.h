#pragma once
// The New Game dialog (105): starts a game with the league loaded.
#include <cstdint>

#include "platform/dialogs.h"

extern const DIALOG_TEMPLATE NEW_GAME_DIALOG_TEMPLATE;
// Ends with 1 once a game has started, 2 when cancelled.
intptr_t New_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
