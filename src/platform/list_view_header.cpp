// The heading row of a list view: a button per column in display order. A
// click reports the column, a drag of a heading moves its column to another
// place, a drag of the line after a heading sizes its column.
#include <algorithm>

#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/controls.h"
#include "platform/list_view_state.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
const char* const HEADER_CLASS = "ListViewHeader";
constexpr int32_t DIVIDER_REACH = 4; // pixels either side of a line between headings that size
constexpr int32_t MOVE_THRESHOLD = 5;
constexpr int32_t HEADING_PADDING = 6;

WINDOW_HANDLE List_Of(WINDOW_HANDLE header) {
    return Get_Parent_Window(header);
}

// The display place under x, -1 past the last heading.
int32_t Place_At(const LIST_VIEW_STATE& state, int32_t x) {
    for (int32_t place = 0; place < static_cast<int32_t>(state.Order.size()); ++place) {
        const int32_t left = Column_Left_At_Place(state, place);
        const int32_t width =
            state.Columns[static_cast<size_t>(state.Order[static_cast<size_t>(place)])].Width;
        if (x >= left && x < left + width) return place;
    }
    return -1;
}

// The place whose right-hand line lies within reach of x, -1 for none.
int32_t Divider_At(const LIST_VIEW_STATE& state, int32_t x) {
    for (int32_t place = static_cast<int32_t>(state.Order.size()) - 1; place >= 0; --place) {
        const int32_t right =
            Column_Left_At_Place(state, place) +
            state.Columns[static_cast<size_t>(state.Order[static_cast<size_t>(place)])].Width;
        if (std::abs(x - right) <= DIVIDER_REACH) return place;
    }
    return -1;
}

// Where a heading dropped at x goes: the place whose middle it passed.
int32_t Drop_Place(const LIST_VIEW_STATE& state, int32_t x) {
    const int32_t count = static_cast<int32_t>(state.Order.size());
    for (int32_t place = 0; place < count; ++place) {
        const int32_t left = Column_Left_At_Place(state, place);
        const int32_t width =
            state.Columns[static_cast<size_t>(state.Order[static_cast<size_t>(place)])].Width;
        if (x < left + width / 2) return place;
    }
    return count - 1;
}

void Paint_Header(WINDOW_HANDLE header, const LIST_VIEW_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(header, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(header, &client);
    Fill_Surface_Area(dc, client, Get_System_Colour(COLOUR_FACE));
    const WINDOW_HANDLE list = List_Of(header);
    Select_Control_Font(dc, list);
    const COLOUR_VALUE text_colour =
        Get_System_Colour(Is_Window_Enabled(list) ? COLOUR_WINDOW_TEXT : COLOUR_GRAY_TEXT);
    for (int32_t place = 0; place < static_cast<int32_t>(state.Order.size()); ++place) {
        const int32_t column = state.Order[static_cast<size_t>(place)];
        const LIST_VIEW_COLUMN& info = state.Columns[static_cast<size_t>(column)];
        if (info.Width <= 0) continue;
        const int32_t left = Column_Left_At_Place(state, place);
        const RECT_AREA rect = {left, 0, left + info.Width, client.Bottom};
        const bool pressed = column == state.Pressed_Column && !state.Moving && !state.Sizing;
        Draw_Frame_Control(dc, rect, FRAME_BUTTON, pressed ? FRAME_PUSHED : 0);
        uint32_t flags = TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE | TEXT_NO_PREFIX;
        if (info.Alignment == LIST_VIEW_ALIGN_CENTRE) flags |= TEXT_CENTRE;
        if (info.Alignment == LIST_VIEW_ALIGN_RIGHT) flags |= TEXT_RIGHT;
        RECT_AREA text = {rect.Left + HEADING_PADDING, rect.Top, rect.Right - HEADING_PADDING, rect.Bottom};
        if (pressed) text = Offset_Rect(text, 1, 1);
        Draw_Coloured_Text(dc, info.Heading, text, flags, text_colour);
    }
    if (state.Moving && state.Pressed_Column >= 0) {
        // The heading being moved follows the pointer, and a bar shows where it will go.
        const LIST_VIEW_COLUMN& info = state.Columns[static_cast<size_t>(state.Pressed_Column)];
        const int32_t target = Drop_Place(state, state.Move_X);
        const int32_t bar = Column_Left_At_Place(state, target);
        Fill_Surface_Area(dc, {bar - 1, 0, bar + 2, client.Bottom}, Get_System_Colour(COLOUR_HIGHLIGHT));
        const int32_t left = state.Move_X - info.Width / 2;
        Draw_Frame_Control(dc, {left, 0, left + info.Width, client.Bottom}, FRAME_BUTTON, FRAME_FLAT);
        Draw_Coloured_Text(
            dc, info.Heading, {left + HEADING_PADDING, 0, left + info.Width - HEADING_PADDING, client.Bottom},
            TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE | TEXT_NO_PREFIX, Get_System_Colour(COLOUR_GRAY_TEXT));
    }
    End_Paint(header, &paint);
}

void Finish_Press(WINDOW_HANDLE header, LIST_VIEW_STATE* state, int32_t x, int32_t y) {
    const WINDOW_HANDLE list = List_Of(header);
    const int32_t column = state->Pressed_Column;
    const bool moving = state->Moving, sizing = state->Sizing;
    state->Pressed_Column = -1;
    state->Moving = state->Sizing = false;
    if (Get_Capture() == header) Release_Capture();
    Invalidate_Window(header, nullptr);
    if (column < 0 || column >= static_cast<int32_t>(state->Columns.size())) return;
    const int32_t sub_item = state->Columns[static_cast<size_t>(column)].Sub_Item;
    if (sizing) {
        Invalidate_Window(list, nullptr);
        Notify_From_List_View(list, NOTIFY_HEADER_END_TRACK, column, sub_item, x, y);
        return;
    }
    if (moving) {
        const int32_t target = Drop_Place(*state, x);
        auto from = std::find(state->Order.begin(), state->Order.end(), column);
        if (from == state->Order.end()) return;
        state->Order.erase(from);
        state->Order.insert(state->Order.begin() +
                                std::min<int32_t>(target, static_cast<int32_t>(state->Order.size())),
                            column);
        Invalidate_Window(list, nullptr);
        const int32_t place = static_cast<int32_t>(
            std::find(state->Order.begin(), state->Order.end(), column) - state->Order.begin());
        Notify_From_List_View(list, NOTIFY_HEADER_END_DRAG, place, sub_item, x, y);
        return;
    }
    RECT_AREA client;
    Get_Client_Rect(header, &client);
    if (Is_Point_In_Rect(client, x, y) && Place_At(*state, x) >= 0 &&
        state->Order[static_cast<size_t>(Place_At(*state, x))] == column)
        Notify_From_List_View(list, NOTIFY_COLUMN_CLICK, column, sub_item, x, y);
}

intptr_t Header_Procedure(WINDOW_HANDLE header, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    LIST_VIEW_STATE* state = Find_List_View_State(List_Of(header));
    if (state == nullptr) return Default_Window_Procedure(header, code, wparam, lparam);
    const int32_t x = Point_X(lparam), y = Point_Y(lparam);
    switch (code) {
    case MSG_PAINT:
        Paint_Header(header, *state);
        return 0;
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE: {
        if (!Is_Window_Enabled(List_Of(header))) return 0;
        const int32_t divider = Divider_At(*state, x);
        const int32_t place = divider >= 0 ? divider : Place_At(*state, x);
        if (place < 0) return 0;
        state->Pressed_Column = state->Order[static_cast<size_t>(place)];
        state->Sizing = divider >= 0;
        state->Moving = false;
        state->Press_X = state->Move_X = x;
        Set_Capture(header);
        Invalidate_Window(header, nullptr);
        return 0;
    }
    case MSG_MOUSE_MOVE:
        if (state->Pressed_Column < 0) return 0;
        if (state->Sizing) {
            LIST_VIEW_COLUMN& column = state->Columns[static_cast<size_t>(state->Pressed_Column)];
            const auto at = std::find(state->Order.begin(), state->Order.end(), state->Pressed_Column);
            const int32_t left =
                Column_Left_At_Place(*state, static_cast<int32_t>(at - state->Order.begin()));
            column.Width = std::max(0, x - left);
            Invalidate_Window(List_Of(header), nullptr);
        } else if (state->Moving || std::abs(x - state->Press_X) > MOVE_THRESHOLD) {
            state->Moving = true;
            state->Move_X = x;
        }
        Invalidate_Window(header, nullptr);
        return 0;
    case MSG_LBUTTON_UP:
        if (state->Pressed_Column >= 0) Finish_Press(header, state, x, y);
        return 0;
    case MSG_CAPTURE_LOST:
        if (state->Pressed_Column >= 0) {
            state->Pressed_Column = -1;
            state->Moving = state->Sizing = false;
            Invalidate_Window(header, nullptr);
        }
        return 0;
    case MSG_RBUTTON_UP: {
        const int32_t place = Place_At(*state, x);
        const int32_t column = place >= 0 ? state->Order[static_cast<size_t>(place)] : -1;
        Notify_From_List_View(List_Of(header), NOTIFY_HEADER_RIGHT_CLICK, column,
                              column >= 0 ? state->Columns[static_cast<size_t>(column)].Sub_Item : -1, x, y);
        return 0;
    }
    default:
        return Default_Window_Procedure(header, code, wparam, lparam);
    }
}
} // namespace

void Register_List_View_Header() {
    Register_Window_Class(HEADER_CLASS, Header_Procedure, Get_System_Colour(COLOUR_FACE));
}

WINDOW_HANDLE Create_List_View_Header(WINDOW_HANDLE list) {
    RECT_AREA client;
    Get_Client_Rect(list, &client);
    return Create_Window(HEADER_CLASS, "", WINDOW_CHILD | WINDOW_VISIBLE,
                         {2, 2, std::max(2, client.Right - 2), 2 + List_View_Header_Height(list)}, list, 0,
                         0);
}
