#pragma once
// What the list view and its header share: the columns, their display
// order and the geometry of the heading row. Internal to the two.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/list_view.h"

struct LIST_VIEW_COLUMN {
    std::string Heading;
    int32_t Width;
    int32_t Alignment;
    int32_t Sub_Item;
};

struct LIST_VIEW_ROW {
    std::vector<std::string> Texts; // by sub-item number
    intptr_t Data = 0;
    uint32_t State = 0;
};

struct LIST_VIEW_STATE {
    std::vector<LIST_VIEW_COLUMN> Columns; // by column index
    std::vector<int32_t> Order;            // display place -> column index
    std::vector<LIST_VIEW_ROW> Rows;
    WINDOW_HANDLE Header = NO_WINDOW;
    uint32_t Extended_Style = 0;
    int32_t Top = 0;      // first row shown
    int32_t Scroll_X = 0; // pixels of the columns scrolled off to the left
    int32_t Anchor = -1;  // where a Shift selection starts
    bool Redraw = true;
    // The scroll bar being dragged: 0 none, 1 vertical, 2 horizontal.
    int32_t Dragging_Bar = 0;
    int32_t Thumb_Grab = 0;
    // The header's press: the column pressed, whether it is being moved or
    // sized, and where the pointer was.
    int32_t Pressed_Column = -1;
    bool Moving = false;
    bool Sizing = false;
    int32_t Press_X = 0;
    int32_t Move_X = 0;
};

// The state of a list view (nullptr for none), found from the list or its header.
LIST_VIEW_STATE* Find_List_View_State(WINDOW_HANDLE list);
// The heading row's height in the list's font.
int32_t List_View_Header_Height(WINDOW_HANDLE list);
// Left edge of display place `place` in header pixels (scroll applied).
int32_t Column_Left_At_Place(const LIST_VIEW_STATE& state, int32_t place);
int32_t Total_Column_Width(const LIST_VIEW_STATE& state);
// Tells the list's parent; From is the list.
void Notify_From_List_View(WINDOW_HANDLE list, uint32_t code, int32_t item, int32_t sub_item, int32_t x,
                           int32_t y);
void Register_List_View_Header();
WINDOW_HANDLE Create_List_View_Header(WINDOW_HANDLE list);
