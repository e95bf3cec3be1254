#pragma once
// The drop-down combo box: a face showing the chosen line and an arrow that
// opens the list of lines under it (above it when the screen has no room
// below). A control made taller than its face takes the extra height as the
// most its list may use. With CONTROL_OWNER_DRAW the parent draws the face
// (ITEM_COMBO_FACE) and the lines; with CONTROL_SORTED lines are kept in
// order. The parent hears NOTIFY_COMBO_SELECTION_CHANGE when the user
// chooses another line (with the list or the keys), NOTIFY_COMBO_DROP_DOWN
// and NOTIFY_COMBO_CLOSE_UP around the list, and the focus changes. The
// control's text is the chosen line's.
#include <cstdint>
#include <string>

#include "platform/handles.h"

constexpr uint32_t MSG_COMBO_ADD_STRING = 0x04C0;    // lparam: const char*; returns the index
constexpr uint32_t MSG_COMBO_INSERT_STRING = 0x04C1; // wparam: index (-1 the end), lparam: const char*
constexpr uint32_t MSG_COMBO_DELETE_STRING = 0x04C2; // wparam: index; returns the count left
constexpr uint32_t MSG_COMBO_RESET_CONTENT = 0x04C3;
constexpr uint32_t MSG_COMBO_GET_COUNT = 0x04C4;
constexpr uint32_t MSG_COMBO_GET_TEXT = 0x04C5; // wparam: index, lparam: std::string*; -1 for no item
constexpr uint32_t MSG_COMBO_SET_ITEM_DATA = 0x04C6;
constexpr uint32_t MSG_COMBO_GET_ITEM_DATA = 0x04C7;
constexpr uint32_t MSG_COMBO_SET_CURRENT_SELECTION = 0x04C8; // wparam: index, -1 for none
constexpr uint32_t MSG_COMBO_GET_CURRENT_SELECTION = 0x04C9;
constexpr uint32_t MSG_COMBO_FIND_STRING = 0x04CA; // wparam: start, lparam: prefix
constexpr uint32_t MSG_COMBO_FIND_EXACT = 0x04CB;
constexpr uint32_t MSG_COMBO_SHOW_DROP_DOWN = 0x04CC; // wparam: 1 open, 0 close
constexpr uint32_t MSG_COMBO_GET_DROPPED_STATE = 0x04CD;
constexpr uint32_t MSG_COMBO_SET_ITEM_HEIGHT = 0x04CE; // lparam: the list's line height
constexpr uint32_t MSG_COMBO_GET_ITEM_HEIGHT = 0x04CF;
// The open list window (NO_WINDOW while closed).
constexpr uint32_t MSG_COMBO_GET_DROP_LIST = 0x04D0;

int32_t Combo_Box_Add_String(WINDOW_HANDLE combo, const char* text);
void Combo_Box_Reset_Content(WINDOW_HANDLE combo);
int32_t Combo_Box_Get_Count(WINDOW_HANDLE combo);
std::string Combo_Box_Get_Text(WINDOW_HANDLE combo, int32_t index);
void Combo_Box_Set_Item_Data(WINDOW_HANDLE combo, int32_t index, intptr_t data);
intptr_t Combo_Box_Get_Item_Data(WINDOW_HANDLE combo, int32_t index);
void Combo_Box_Set_Current_Selection(WINDOW_HANDLE combo, int32_t index);
int32_t Combo_Box_Get_Current_Selection(WINDOW_HANDLE combo);
