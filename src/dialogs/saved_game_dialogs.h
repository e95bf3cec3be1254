#pragma once
// The Resume Game dialog (118) and the Save Game dialog (120): saved games
// are the files "<name>.kor" of the current folder.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t SAVED_GAME_LIST = 1077;
constexpr int32_t DELETE_GAME_BUTTON = 3;
constexpr int32_t SAVE_NAME_EDIT = 1082;
// Most characters the Save dialog takes from its edit.
constexpr int32_t SAVE_NAME_EDIT_LIMIT = 2047;

extern const DIALOG_TEMPLATE RESUME_GAME_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE SAVE_GAME_DIALOG_TEMPLATE;

// Ends with 1 after a game was loaded, 2 when cancelled (also when there is
// no saved game to resume).
intptr_t Resume_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Ends with 1 when the game was saved, 0 when cancelled or when the save
// failed (the user is told why; the league keeps its former name).
intptr_t Save_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// Lists the saved games without their extension, the newest other than the
// auto-save selected. With none, the user is told and the dialog ends with 2;
// returns false then.
bool Fill_Saved_Game_List(WINDOW_HANDLE dialog);
// The upper 32 bits of a file's last change counted in 100-nanosecond steps
// from 1601 (steps of about 429.5 seconds); 0 for a file that cannot be read.
uint32_t Get_File_Write_Time_Step(const char* path);
