#pragma once
// The Change Position dialog (137): the selected player (settings 29 and 30)
// may move to another position of his position family, after a look at his
// key ratings now and his scouts' estimates at the new position.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t CHANGE_POSITION_DIALOG = 137;
constexpr int32_t NEW_POSITION_COMBO = 1217;
constexpr int32_t CURRENT_POSITION_TEXT = 1218;
// The five rating lines at his position now, and at the position chosen.
constexpr int32_t CURRENT_RATING_LINES[5] = {1220, 1221, 1222, 1223, 1224};
constexpr int32_t PROJECTED_RATING_LINES[5] = {1225, 1226, 1227, 1228, 1229};
constexpr int32_t CHANGE_POSITION_NOTE = 1230;

extern const DIALOG_TEMPLATE CHANGE_POSITION_DIALOG_TEMPLATE;

// "&Change Position" asks, then moves him and ends with 1; the same position
// or no choice changes nothing. A slot without a player closes the dialog
// at once (2), as does Cancel.
intptr_t Change_Position_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
