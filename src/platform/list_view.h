#pragma once
// The list view in report mode: rows of cells under a header of columns.
//
// Columns are numbered by their insertion index; each shows the texts of one
// sub-item number of the rows, with a width and an alignment. The user
// reorders columns by dragging their headings (the column order array maps
// display places to column indexes) and resizes them by dragging the lines
// between headings. Rows carry a number each (item data) and a state
// (ITEM_SELECTED, ITEM_FOCUSED); a click selects a row (with Ctrl or Shift
// more than one when the control has CONTROL_MULTI_SELECT), the arrow and
// page keys move the focused row. Rows are sorted by a comparison of their
// item data.
//
// MSG_NOTIFY tells the parent: NOTIFY_ITEM_CHANGED for every change of a
// row's state (also by messages), NOTIFY_CLICK, NOTIFY_DOUBLE_CLICK and
// NOTIFY_RIGHT_CLICK on the rows (Item the row or -1, Sub_Item the column's
// sub-item), NOTIFY_COLUMN_CLICK (Item the column index, Sub_Item its
// sub-item number), NOTIFY_HEADER_RIGHT_CLICK, NOTIFY_HEADER_END_DRAG (Item
// the new display place), NOTIFY_HEADER_END_TRACK, NOTIFY_KEY_DOWN and the
// focus changes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

constexpr int32_t LIST_VIEW_ALIGN_LEFT = 0;
constexpr int32_t LIST_VIEW_ALIGN_RIGHT = 1;
constexpr int32_t LIST_VIEW_ALIGN_CENTRE = 2;
// Widths of MSG_LIST_VIEW_SET_COLUMN_WIDTH that size a column to fit.
constexpr int32_t LIST_VIEW_FIT_CONTENT = -1;
constexpr int32_t LIST_VIEW_FIT_HEADING = -2;
// Extended styles.
constexpr uint32_t LIST_VIEW_FULL_ROW_SELECT = 0x1;
constexpr uint32_t LIST_VIEW_GRID_LINES = 0x2;

struct LIST_VIEW_COLUMN_INFO {
    std::string Heading;
    int32_t Width;
    int32_t Alignment;
    int32_t Sub_Item;
};
struct LIST_VIEW_ITEM_INFO {
    std::string Text; // sub-item 0
    intptr_t Data;
    uint32_t State;
};
struct LIST_VIEW_TEXT {
    int32_t Sub_Item;
    std::string Text;
};
struct LIST_VIEW_STATE_CHANGE {
    uint32_t State;
    uint32_t Mask;
};
// Negative when the row of `first` belongs before the row of `second`.
using LIST_VIEW_COMPARE = int32_t (*)(intptr_t first, intptr_t second, intptr_t context);

constexpr uint32_t MSG_LIST_VIEW_INSERT_COLUMN =
    0x0500; // wparam: index, lparam: const LIST_VIEW_COLUMN_INFO*
constexpr uint32_t MSG_LIST_VIEW_DELETE_COLUMN = 0x0501;    // wparam: index
constexpr uint32_t MSG_LIST_VIEW_GET_COLUMN = 0x0502;       // wparam: index, lparam: LIST_VIEW_COLUMN_INFO*
constexpr uint32_t MSG_LIST_VIEW_SET_COLUMN_WIDTH = 0x0503; // wparam: index, lparam: width or LIST_VIEW_FIT_*
constexpr uint32_t MSG_LIST_VIEW_GET_COLUMN_WIDTH = 0x0504;
constexpr uint32_t MSG_LIST_VIEW_GET_COLUMN_COUNT = 0x0505;
constexpr uint32_t MSG_LIST_VIEW_SET_COLUMN_ORDER = 0x0506; // wparam: count, lparam: const int32_t*
constexpr uint32_t MSG_LIST_VIEW_GET_COLUMN_ORDER = 0x0507; // wparam: count, lparam: int32_t*
constexpr uint32_t MSG_LIST_VIEW_INSERT_ITEM = 0x0508; // wparam: index, lparam: const LIST_VIEW_ITEM_INFO*
constexpr uint32_t MSG_LIST_VIEW_DELETE_ITEM = 0x0509;
constexpr uint32_t MSG_LIST_VIEW_DELETE_ALL_ITEMS = 0x050A;
constexpr uint32_t MSG_LIST_VIEW_GET_ITEM_COUNT = 0x050B;
constexpr uint32_t MSG_LIST_VIEW_SET_ITEM_TEXT = 0x050C; // wparam: row, lparam: const LIST_VIEW_TEXT*
constexpr uint32_t MSG_LIST_VIEW_GET_ITEM_TEXT = 0x050D; // wparam: row, lparam: LIST_VIEW_TEXT* (filled)
constexpr uint32_t MSG_LIST_VIEW_SET_ITEM_DATA = 0x050E; // wparam: row, lparam: the data
constexpr uint32_t MSG_LIST_VIEW_GET_ITEM_DATA = 0x050F;
constexpr uint32_t MSG_LIST_VIEW_SET_ITEM_STATE =
    0x0510; // wparam: row (-1 all), lparam: const LIST_VIEW_STATE_CHANGE*
constexpr uint32_t MSG_LIST_VIEW_GET_ITEM_STATE = 0x0511; // wparam: row, lparam: mask
constexpr uint32_t MSG_LIST_VIEW_GET_NEXT_ITEM =
    0x0512; // wparam: after (-1 from the top), lparam: state bits wanted
constexpr uint32_t MSG_LIST_VIEW_ENSURE_VISIBLE = 0x0513;
constexpr uint32_t MSG_LIST_VIEW_GET_ITEM_RECT = 0x0514; // wparam: row, lparam: RECT_AREA*
constexpr uint32_t MSG_LIST_VIEW_GET_TOP_INDEX = 0x0515;
constexpr uint32_t MSG_LIST_VIEW_SORT_ITEMS = 0x0516;     // wparam: context, lparam: LIST_VIEW_COMPARE
constexpr uint32_t MSG_LIST_VIEW_FIND_ITEM_DATA = 0x0517; // wparam: after (-1 from the top), lparam: the data
constexpr uint32_t MSG_LIST_VIEW_GET_STRING_WIDTH = 0x0518; // lparam: const char*
constexpr uint32_t MSG_LIST_VIEW_GET_HEADER = 0x0519;
constexpr uint32_t MSG_LIST_VIEW_SET_EXTENDED_STYLE = 0x051A; // wparam: mask, lparam: bits
constexpr uint32_t MSG_LIST_VIEW_GET_EXTENDED_STYLE = 0x051B;
constexpr uint32_t MSG_LIST_VIEW_HIT_TEST = 0x051C; // lparam: packed client point; the row or -1
constexpr uint32_t MSG_LIST_VIEW_GET_SELECTED_COUNT = 0x051D;
constexpr uint32_t MSG_LIST_VIEW_GET_COUNT_PER_PAGE = 0x051E;

// Typed calls of the messages above.
int32_t List_View_Insert_Column(WINDOW_HANDLE list, int32_t index, const char* heading, int32_t width,
                                int32_t alignment, int32_t sub_item);
bool List_View_Delete_Column(WINDOW_HANDLE list, int32_t index);
int32_t List_View_Get_Column_Count(WINDOW_HANDLE list);
// The sub-item number of column `index`, -1 for none.
int32_t List_View_Get_Column_Sub_Item(WINDOW_HANDLE list, int32_t index);
std::vector<int32_t> List_View_Get_Column_Order(WINDOW_HANDLE list);
void List_View_Set_Column_Order(WINDOW_HANDLE list, const std::vector<int32_t>& order);
int32_t List_View_Insert_Item(WINDOW_HANDLE list, int32_t index, const char* text, intptr_t data,
                              uint32_t state);
void List_View_Set_Item_Text(WINDOW_HANDLE list, int32_t row, int32_t sub_item, const char* text);
std::string List_View_Get_Item_Text(WINDOW_HANDLE list, int32_t row, int32_t sub_item);
intptr_t List_View_Get_Item_Data(WINDOW_HANDLE list, int32_t row);
void List_View_Set_Item_State(WINDOW_HANDLE list, int32_t row, uint32_t state, uint32_t mask);
int32_t List_View_Get_Next_Item(WINDOW_HANDLE list, int32_t after, uint32_t state);
int32_t List_View_Get_Item_Count(WINDOW_HANDLE list);
void List_View_Sort_Items(WINDOW_HANDLE list, LIST_VIEW_COMPARE compare, intptr_t context);
