#pragma once
// The list box: lines of text with a number each (item data), one selected
// or, with CONTROL_MULTI_SELECT, any number (a click toggles a line). With
// CONTROL_TAB_STOPS tabs go to the stops set in dialog units (every 32 units
// by default); with CONTROL_OWNER_DRAW the parent draws every line
// (MSG_DRAW_ITEM) at the height it answers to MSG_MEASURE_ITEM. The parent
// hears of the user's changes: NOTIFY_LIST_SELECTION_CHANGE,
// NOTIFY_LIST_DOUBLE_CLICK, NOTIFY_LIST_SET_FOCUS and NOTIFY_LIST_KILL_FOCUS.
// Changes made by messages are not reported.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"

constexpr uint32_t MSG_LIST_ADD_STRING = 0x0480;    // lparam: const char*; returns the index
constexpr uint32_t MSG_LIST_INSERT_STRING = 0x0481; // wparam: index (-1 the end), lparam: const char*
constexpr uint32_t MSG_LIST_DELETE_STRING = 0x0482; // wparam: index; returns the count left
constexpr uint32_t MSG_LIST_RESET_CONTENT = 0x0483;
constexpr uint32_t MSG_LIST_GET_COUNT = 0x0484;
constexpr uint32_t MSG_LIST_GET_TEXT = 0x0485;      // wparam: index, lparam: std::string*; -1 for no item
constexpr uint32_t MSG_LIST_SET_ITEM_DATA = 0x0486; // wparam: index, lparam: the data
constexpr uint32_t MSG_LIST_GET_ITEM_DATA = 0x0487; // -1 for no item
constexpr uint32_t MSG_LIST_SET_CURRENT_SELECTION = 0x0488; // wparam: index, -1 for none
constexpr uint32_t MSG_LIST_GET_CURRENT_SELECTION =
    0x0489;                                         // the selected line (the caret line when multiple)
constexpr uint32_t MSG_LIST_SET_SELECTION = 0x048A; // wparam: 1 select, 0 clear; lparam: index, -1 all
constexpr uint32_t MSG_LIST_GET_SELECTION = 0x048B; // wparam: index; 1 when selected
constexpr uint32_t MSG_LIST_GET_SELECTION_COUNT = 0x048C;
constexpr uint32_t MSG_LIST_SET_TOP_INDEX = 0x048D;
constexpr uint32_t MSG_LIST_GET_TOP_INDEX = 0x048E;
constexpr uint32_t MSG_LIST_SET_TAB_STOPS = 0x048F; // wparam: count, lparam: const int32_t* in dialog units
constexpr uint32_t MSG_LIST_SET_ITEM_HEIGHT = 0x0490;
constexpr uint32_t MSG_LIST_GET_ITEM_HEIGHT = 0x0491;
constexpr uint32_t MSG_LIST_FIND_STRING = 0x0492; // wparam: start (-1 the top), lparam: prefix
constexpr uint32_t MSG_LIST_FIND_EXACT = 0x0493;
constexpr uint32_t MSG_LIST_GET_CARET_INDEX = 0x0494;
constexpr uint32_t MSG_LIST_SET_CARET_INDEX = 0x0495;
constexpr uint32_t MSG_LIST_GET_ITEM_RECT = 0x0496;   // wparam: index, lparam: RECT_AREA*
constexpr uint32_t MSG_LIST_ITEM_FROM_POINT = 0x0497; // lparam: packed client point; -1 for none

// Typed calls of the messages above, by window.
int32_t List_Box_Add_String(WINDOW_HANDLE list, const char* text);
int32_t List_Box_Insert_String(WINDOW_HANDLE list, int32_t index, const char* text);
int32_t List_Box_Delete_String(WINDOW_HANDLE list, int32_t index);
void List_Box_Reset_Content(WINDOW_HANDLE list);
int32_t List_Box_Get_Count(WINDOW_HANDLE list);
std::string List_Box_Get_Text(WINDOW_HANDLE list, int32_t index);
void List_Box_Set_Item_Data(WINDOW_HANDLE list, int32_t index, intptr_t data);
intptr_t List_Box_Get_Item_Data(WINDOW_HANDLE list, int32_t index);
void List_Box_Set_Current_Selection(WINDOW_HANDLE list, int32_t index);
int32_t List_Box_Get_Current_Selection(WINDOW_HANDLE list);
void List_Box_Set_Selection(WINDOW_HANDLE list, bool select, int32_t index);
bool List_Box_Is_Selected(WINDOW_HANDLE list, int32_t index);
void List_Box_Set_Tab_Stops(WINDOW_HANDLE list, const std::vector<int32_t>& dialog_units);
