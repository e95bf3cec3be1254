#include "platform/list_view.h"

#include <algorithm>

#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/list_view_state.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
CONTROL_STATE_TABLE<LIST_VIEW_STATE> list_view_states;
// A cell's text starts 6 pixels in and stops 4 before its end (where the
// grid line is): a column as wide as its text plus 10 shows it whole.
constexpr int32_t CELL_PADDING = 6;
constexpr int32_t CELL_END_PADDING = 4;
constexpr int32_t ROW_PADDING = 4;
constexpr int32_t WHEEL_ROWS = 3;

struct LIST_VIEW_LAYOUT {
    RECT_AREA Rows; // where rows are drawn
    bool Vertical_Bar;
    bool Horizontal_Bar;
    RECT_AREA Vertical;
    RECT_AREA Horizontal;
    int32_t Row_Height;
    int32_t Visible_Rows; // rows that fit whole
};

bool Is_Multi(WINDOW_HANDLE list) {
    return (Get_Window_Style(list) & CONTROL_MULTI_SELECT) != 0;
}

int32_t Row_Count(const LIST_VIEW_STATE& state) {
    return static_cast<int32_t>(state.Rows.size());
}

bool Is_Row(const LIST_VIEW_STATE& state, int32_t row) {
    return row >= 0 && row < Row_Count(state);
}

LIST_VIEW_LAYOUT Layout_Of(WINDOW_HANDLE list, const LIST_VIEW_STATE& state) {
    RECT_AREA client;
    Get_Client_Rect(list, &client);
    LIST_VIEW_LAYOUT layout{};
    layout.Row_Height = Get_Control_Line_Height(list) + ROW_PADDING;
    const RECT_AREA inner = {client.Left + 2, client.Top + 2, client.Right - 2, client.Bottom - 2};
    const int32_t top = inner.Top + List_View_Header_Height(list);
    const int32_t total_width = Total_Column_Width(state);
    auto rows_fit = [&](int32_t bottom) { return std::max(0, (bottom - top) / layout.Row_Height); };
    layout.Vertical_Bar = Row_Count(state) > rows_fit(inner.Bottom);
    layout.Horizontal_Bar =
        total_width > inner.Right - inner.Left - (layout.Vertical_Bar ? SCROLL_BAR_SIZE : 0);
    if (layout.Horizontal_Bar && !layout.Vertical_Bar)
        layout.Vertical_Bar = Row_Count(state) > rows_fit(inner.Bottom - SCROLL_BAR_SIZE);
    const int32_t right = inner.Right - (layout.Vertical_Bar ? SCROLL_BAR_SIZE : 0);
    const int32_t bottom = inner.Bottom - (layout.Horizontal_Bar ? SCROLL_BAR_SIZE : 0);
    layout.Rows = {inner.Left, top, right, bottom};
    layout.Vertical = {right, inner.Top, inner.Right, bottom};
    layout.Horizontal = {inner.Left, bottom, right, inner.Bottom};
    layout.Visible_Rows = std::max(1, rows_fit(bottom));
    return layout;
}

SCROLL_RANGE Vertical_Range(const LIST_VIEW_STATE& state, const LIST_VIEW_LAYOUT& layout) {
    return {state.Top, layout.Visible_Rows, Row_Count(state)};
}

SCROLL_RANGE Horizontal_Range(const LIST_VIEW_STATE& state, const LIST_VIEW_LAYOUT& layout) {
    return {state.Scroll_X, layout.Rows.Right - layout.Rows.Left, Total_Column_Width(state)};
}

void Set_Top(WINDOW_HANDLE list, LIST_VIEW_STATE* state, int32_t top) {
    const int32_t clamped = Clamp_Scroll_First(Vertical_Range(*state, Layout_Of(list, *state)), top);
    if (clamped == state->Top) return;
    state->Top = clamped;
    Invalidate_Window(list, nullptr);
}

void Set_Scroll_X(WINDOW_HANDLE list, LIST_VIEW_STATE* state, int32_t x) {
    const int32_t clamped = Clamp_Scroll_First(Horizontal_Range(*state, Layout_Of(list, *state)), x);
    if (clamped == state->Scroll_X) return;
    state->Scroll_X = clamped;
    Invalidate_Window(list, nullptr);
    if (Is_Window(state->Header)) Invalidate_Window(state->Header, nullptr);
}

void Ensure_Visible(WINDOW_HANDLE list, LIST_VIEW_STATE* state, int32_t row) {
    if (!Is_Row(*state, row)) return;
    const LIST_VIEW_LAYOUT layout = Layout_Of(list, *state);
    if (row < state->Top)
        Set_Top(list, state, row);
    else if (row >= state->Top + layout.Visible_Rows)
        Set_Top(list, state, row - layout.Visible_Rows + 1);
}

// Sets a row's state bits under `mask`, keeping one focused row (and one
// selected row without CONTROL_MULTI_SELECT), and tells the parent of every
// row that changed.
void Change_Row_State(WINDOW_HANDLE list, LIST_VIEW_STATE* state, int32_t row, uint32_t bits, uint32_t mask) {
    if (!Is_Row(*state, row)) return;
    if ((mask & bits & ITEM_FOCUSED) != 0)
        for (int32_t other = 0; other < Row_Count(*state); ++other)
            if (other != row) Change_Row_State(list, state, other, 0, ITEM_FOCUSED);
    if ((mask & bits & ITEM_SELECTED) != 0 && !Is_Multi(list))
        for (int32_t other = 0; other < Row_Count(*state); ++other)
            if (other != row) Change_Row_State(list, state, other, 0, ITEM_SELECTED);
    LIST_VIEW_ROW& target = state->Rows[static_cast<size_t>(row)];
    const uint32_t old_state = target.State;
    const uint32_t new_state = (old_state & ~mask) | (bits & mask);
    if (new_state == old_state) return;
    target.State = new_state;
    Invalidate_Window(list, nullptr);
    NOTIFY_INFO info = Make_Notify(NOTIFY_ITEM_CHANGED);
    info.Item = row;
    info.Sub_Item = 0;
    info.New_State = new_state;
    info.Old_State = old_state;
    info.Changed = old_state ^ new_state;
    info.Item_Data = target.Data;
    Send_Notify(list, &info);
}

// The same change on every row; a focus cannot be given to all of them.
void Change_All_Rows(WINDOW_HANDLE list, LIST_VIEW_STATE* state, uint32_t bits, uint32_t mask) {
    const uint32_t applied = mask & ~(bits & ITEM_FOCUSED);
    if (applied == 0) return;
    for (int32_t row = 0; row < Row_Count(*state); ++row)
        Change_Row_State(list, state, row, bits, applied);
}

int32_t Focused_Row(const LIST_VIEW_STATE& state) {
    for (int32_t row = 0; row < Row_Count(state); ++row)
        if ((state.Rows[static_cast<size_t>(row)].State & ITEM_FOCUSED) != 0) return row;
    return -1;
}

// The user chose `row`: with Ctrl (and multiple selection) it toggles, with
// Shift the rows from the anchor are selected, else it alone is.
void User_Select_Row(WINDOW_HANDLE list, LIST_VIEW_STATE* state, int32_t row, bool control, bool shift) {
    const bool multi = Is_Multi(list);
    if (!Is_Row(*state, row)) {
        if (!control && !shift) Change_All_Rows(list, state, 0, ITEM_SELECTED);
        return;
    }
    if (multi && control) {
        const bool selected = (state->Rows[static_cast<size_t>(row)].State & ITEM_SELECTED) != 0;
        Change_Row_State(list, state, row, selected ? 0 : ITEM_SELECTED, ITEM_SELECTED);
        Change_Row_State(list, state, row, ITEM_FOCUSED, ITEM_FOCUSED);
        state->Anchor = row;
    } else if (multi && shift && Is_Row(*state, state->Anchor)) {
        const int32_t low = std::min(state->Anchor, row), high = std::max(state->Anchor, row);
        for (int32_t other = 0; other < Row_Count(*state); ++other)
            Change_Row_State(list, state, other, other >= low && other <= high ? ITEM_SELECTED : 0,
                             ITEM_SELECTED);
        Change_Row_State(list, state, row, ITEM_FOCUSED, ITEM_FOCUSED);
    } else {
        for (int32_t other = 0; other < Row_Count(*state); ++other)
            if (other != row) Change_Row_State(list, state, other, 0, ITEM_SELECTED);
        Change_Row_State(list, state, row, ITEM_SELECTED | ITEM_FOCUSED, ITEM_SELECTED | ITEM_FOCUSED);
        state->Anchor = row;
    }
    Ensure_Visible(list, state, row);
}

int32_t Row_At(WINDOW_HANDLE list, const LIST_VIEW_STATE& state, int32_t x, int32_t y) {
    const LIST_VIEW_LAYOUT layout = Layout_Of(list, state);
    if (!Is_Point_In_Rect(layout.Rows, x, y)) return -1;
    const int32_t row = state.Top + (y - layout.Rows.Top) / layout.Row_Height;
    return Is_Row(state, row) ? row : -1;
}

// The sub-item number of the column under x, -1 for none.
int32_t Sub_Item_At(const LIST_VIEW_STATE& state, WINDOW_HANDLE list, int32_t x) {
    const LIST_VIEW_LAYOUT layout = Layout_Of(list, state);
    for (int32_t place = 0; place < static_cast<int32_t>(state.Order.size()); ++place) {
        const LIST_VIEW_COLUMN& column =
            state.Columns[static_cast<size_t>(state.Order[static_cast<size_t>(place)])];
        const int32_t left = layout.Rows.Left + Column_Left_At_Place(state, place);
        if (x >= left && x < left + column.Width) return column.Sub_Item;
    }
    return -1;
}

const std::string& Cell_Text(const LIST_VIEW_ROW& row, int32_t sub_item) {
    static const std::string empty;
    return sub_item >= 0 && sub_item < static_cast<int32_t>(row.Texts.size())
               ? row.Texts[static_cast<size_t>(sub_item)]
               : empty;
}

void Fit_Header(WINDOW_HANDLE list, const LIST_VIEW_STATE& state, const LIST_VIEW_LAYOUT& layout) {
    if (!Is_Window(state.Header)) return;
    const RECT_AREA wanted = {layout.Rows.Left, layout.Rows.Top - List_View_Header_Height(list),
                              layout.Rows.Right, layout.Rows.Top};
    RECT_AREA now;
    Get_Window_Rect(state.Header, &now);
    int32_t x = now.Left, y = now.Top;
    Screen_To_Client(list, &x, &y);
    if (x != wanted.Left || y != wanted.Top || now.Right - now.Left != wanted.Right - wanted.Left ||
        now.Bottom - now.Top != wanted.Bottom - wanted.Top)
        Move_Window(state.Header, wanted);
}

void Paint_Rows(WINDOW_HANDLE list, DEVICE_CONTEXT* dc, const LIST_VIEW_STATE& state,
                const LIST_VIEW_LAYOUT& layout) {
    const bool focused = Get_Focus() == list;
    const bool enabled = Is_Window_Enabled(list);
    const bool full_row = (state.Extended_Style & LIST_VIEW_FULL_ROW_SELECT) != 0;
    const bool grid = (state.Extended_Style & LIST_VIEW_GRID_LINES) != 0;
    Save_Device_Context(dc);
    Intersect_Clip_Rect(dc, layout.Rows);
    Select_Control_Font(dc, list);
    const int32_t total = Total_Column_Width(state);
    for (int32_t line = 0; line <= layout.Visible_Rows; ++line) {
        const int32_t row = state.Top + line;
        const int32_t top = layout.Rows.Top + line * layout.Row_Height;
        if (grid)
            Fill_Surface_Area(dc,
                              {layout.Rows.Left, top + layout.Row_Height - 1,
                               layout.Rows.Left + total - state.Scroll_X, top + layout.Row_Height},
                              Get_System_Colour(COLOUR_SCROLL_TRACK));
        if (!Is_Row(state, row)) continue;
        const LIST_VIEW_ROW& item = state.Rows[static_cast<size_t>(row)];
        const bool selected = (item.State & ITEM_SELECTED) != 0;
        const COLOUR_VALUE fill = Get_System_Colour(focused ? COLOUR_HIGHLIGHT : COLOUR_FACE);
        const COLOUR_VALUE text_colour =
            !enabled ? Get_System_Colour(COLOUR_GRAY_TEXT)
                     : Get_System_Colour(selected && focused ? COLOUR_HIGHLIGHT_TEXT : COLOUR_WINDOW_TEXT);
        for (int32_t place = 0; place < static_cast<int32_t>(state.Order.size()); ++place) {
            const LIST_VIEW_COLUMN& column =
                state.Columns[static_cast<size_t>(state.Order[static_cast<size_t>(place)])];
            if (column.Width <= 0) continue;
            const int32_t left = layout.Rows.Left + Column_Left_At_Place(state, place);
            const RECT_AREA cell = {left, top, left + column.Width, top + layout.Row_Height - (grid ? 1 : 0)};
            const bool highlight = selected && (full_row || place == 0);
            if (highlight) Fill_Surface_Area(dc, cell, fill);
            uint32_t flags = TEXT_SINGLE_LINE | TEXT_VERTICAL_CENTRE | TEXT_NO_PREFIX;
            if (column.Alignment == LIST_VIEW_ALIGN_CENTRE) flags |= TEXT_CENTRE;
            if (column.Alignment == LIST_VIEW_ALIGN_RIGHT) flags |= TEXT_RIGHT;
            Draw_Coloured_Text(
                dc, Cell_Text(item, column.Sub_Item),
                {cell.Left + CELL_PADDING, cell.Top, cell.Right - CELL_END_PADDING, cell.Bottom}, flags,
                highlight ? text_colour : Get_System_Colour(enabled ? COLOUR_WINDOW_TEXT : COLOUR_GRAY_TEXT));
            if (grid)
                Fill_Surface_Area(dc, {cell.Right - 1, top, cell.Right, top + layout.Row_Height},
                                  Get_System_Colour(COLOUR_SCROLL_TRACK));
        }
        if (focused && (item.State & ITEM_FOCUSED) != 0)
            Draw_Focus_Rect(dc,
                            {layout.Rows.Left, top, layout.Rows.Left + std::max(total - state.Scroll_X, 8),
                             top + layout.Row_Height});
    }
    Restore_Device_Context(dc);
}

void Paint_List_View(WINDOW_HANDLE list, LIST_VIEW_STATE* state) {
    if (!state->Redraw) {
        Validate_Window(list);
        return;
    }
    const LIST_VIEW_LAYOUT layout = Layout_Of(list, *state);
    Fit_Header(list, *state, layout);
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(list, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(list, &client);
    const RECT_AREA inner = Draw_Sunken_Edge(dc, client);
    Fill_Surface_Area(dc, inner, Get_System_Colour(COLOUR_WINDOW));
    Paint_Rows(list, dc, *state, layout);
    const bool enabled = Is_Window_Enabled(list);
    if (layout.Vertical_Bar)
        Draw_Scroll_Bar(dc, layout.Vertical, true, Vertical_Range(*state, layout), enabled);
    if (layout.Horizontal_Bar)
        Draw_Scroll_Bar(dc, layout.Horizontal, false, Horizontal_Range(*state, layout), enabled);
    if (layout.Vertical_Bar && layout.Horizontal_Bar)
        Fill_Surface_Area(
            dc,
            {layout.Vertical.Left, layout.Horizontal.Top, layout.Vertical.Right, layout.Horizontal.Bottom},
            Get_System_Colour(COLOUR_FACE));
    End_Paint(list, &paint);
}

int32_t Fit_Column_Width(WINDOW_HANDLE list, const LIST_VIEW_STATE& state, int32_t column, bool heading) {
    const LIST_VIEW_COLUMN& info = state.Columns[static_cast<size_t>(column)];
    int32_t widest = heading ? Measure_Control_Text(list, info.Heading) : 0;
    for (const LIST_VIEW_ROW& row : state.Rows)
        widest = std::max(widest, Measure_Control_Text(list, Cell_Text(row, info.Sub_Item)));
    return widest + CELL_PADDING + CELL_END_PADDING;
}

// Presses on the scroll bars; true when the point was on one.
bool Press_Scroll_Bars(WINDOW_HANDLE list, LIST_VIEW_STATE* state, int32_t x, int32_t y) {
    const LIST_VIEW_LAYOUT layout = Layout_Of(list, *state);
    for (int32_t bar = 1; bar <= 2; ++bar) {
        const bool vertical = bar == 1;
        if (vertical ? !layout.Vertical_Bar : !layout.Horizontal_Bar) continue;
        const RECT_AREA& rect = vertical ? layout.Vertical : layout.Horizontal;
        if (!Is_Point_In_Rect(rect, x, y)) continue;
        const SCROLL_RANGE range =
            vertical ? Vertical_Range(*state, layout) : Horizontal_Range(*state, layout);
        const int32_t part = Hit_Scroll_Bar(rect, vertical, range, x, y);
        if (part == SCROLL_THUMB) {
            const RECT_AREA thumb = Get_Scroll_Thumb_Rect(rect, vertical, range);
            state->Dragging_Bar = bar;
            state->Thumb_Grab = vertical ? y - thumb.Top : x - thumb.Left;
            Set_Capture(list);
        } else if (vertical) {
            Set_Top(list, state, Scroll_By_Part(range, part));
        } else {
            SCROLL_RANGE pixels = range;
            // A line of the horizontal bar is a few characters' width.
            if (part == SCROLL_LINE_BACK) pixels.First -= 20;
            if (part == SCROLL_LINE_ON) pixels.First += 20;
            Set_Scroll_X(list, state,
                         part == SCROLL_LINE_BACK || part == SCROLL_LINE_ON ? pixels.First
                                                                            : Scroll_By_Part(range, part));
        }
        return true;
    }
    return false;
}

void Drag_Thumb(WINDOW_HANDLE list, LIST_VIEW_STATE* state, int32_t x, int32_t y) {
    const LIST_VIEW_LAYOUT layout = Layout_Of(list, *state);
    if (state->Dragging_Bar == 1)
        Set_Top(list, state,
                Scroll_First_For_Thumb(layout.Vertical, true, Vertical_Range(*state, layout),
                                       y - state->Thumb_Grab - layout.Vertical.Top - SCROLL_BAR_SIZE));
    else
        Set_Scroll_X(
            list, state,
            Scroll_First_For_Thumb(layout.Horizontal, false, Horizontal_Range(*state, layout),
                                   x - state->Thumb_Grab - layout.Horizontal.Left - SCROLL_BAR_SIZE));
}

void Handle_Key(WINDOW_HANDLE list, LIST_VIEW_STATE* state, uint32_t key, uint32_t modifiers) {
    NOTIFY_INFO info = Make_Notify(NOTIFY_KEY_DOWN);
    info.Key = key;
    Send_Notify(list, &info);
    if (!Is_Window(list) || list_view_states.Find(list) != state || state->Rows.empty()) return;
    const bool control = (modifiers & KEY_MODIFIER_CONTROL) != 0,
               shift = (modifiers & KEY_MODIFIER_SHIFT) != 0;
    const int32_t focused = Focused_Row(*state);
    const int32_t page = std::max(1, Layout_Of(list, *state).Visible_Rows - 1);
    int32_t to;
    switch (key) {
    case KEY_UP:
        to = focused - 1;
        break;
    case KEY_DOWN:
        to = focused + 1;
        break;
    case KEY_PAGE_UP:
        to = focused - page;
        break;
    case KEY_PAGE_DOWN:
        to = focused + page;
        break;
    case KEY_HOME:
        to = 0;
        break;
    case KEY_END:
        to = Row_Count(*state) - 1;
        break;
    case KEY_SPACE:
        if (Is_Multi(list) && control && focused >= 0) User_Select_Row(list, state, focused, true, false);
        return;
    case 'A':
        if (Is_Multi(list) && control) Change_All_Rows(list, state, ITEM_SELECTED, ITEM_SELECTED);
        return;
    default:
        return;
    }
    to = std::clamp(to, 0, Row_Count(*state) - 1);
    if (Is_Multi(list) && control) {
        Change_Row_State(list, state, to, ITEM_FOCUSED, ITEM_FOCUSED);
        Ensure_Visible(list, state, to);
    } else {
        User_Select_Row(list, state, to, false, shift);
    }
}

void Handle_Row_Press(WINDOW_HANDLE list, LIST_VIEW_STATE* state, uint32_t code, uintptr_t keys, int32_t x,
                      int32_t y) {
    const int32_t row = Row_At(list, *state, x, y);
    const bool control = (keys & MOUSE_CONTROL_HELD) != 0, shift = (keys & MOUSE_SHIFT_HELD) != 0;
    if (code == MSG_RBUTTON_DOWN) {
        if (Is_Row(*state, row) && (state->Rows[static_cast<size_t>(row)].State & ITEM_SELECTED) == 0)
            User_Select_Row(list, state, row, false, false);
        return;
    }
    User_Select_Row(list, state, row, control, shift);
    if (!Is_Window(list)) return;
    NOTIFY_INFO info = Make_Notify(code == MSG_LBUTTON_DOUBLE ? NOTIFY_DOUBLE_CLICK : NOTIFY_CLICK);
    info.Item = row;
    info.Sub_Item = Sub_Item_At(*state, list, x);
    info.X = x;
    info.Y = y;
    if (Is_Row(*state, row)) info.Item_Data = state->Rows[static_cast<size_t>(row)].Data;
    Send_Notify(list, &info);
}

intptr_t Column_Message(WINDOW_HANDLE list, LIST_VIEW_STATE* state, uint32_t code, uintptr_t wparam,
                        intptr_t lparam) {
    const int32_t index = static_cast<int32_t>(static_cast<intptr_t>(wparam));
    const int32_t count = static_cast<int32_t>(state->Columns.size());
    const bool is_column = index >= 0 && index < count;
    auto changed = [&]() {
        Invalidate_Window(list, nullptr);
        if (Is_Window(state->Header)) Invalidate_Window(state->Header, nullptr);
    };
    switch (code) {
    case MSG_LIST_VIEW_INSERT_COLUMN: {
        const LIST_VIEW_COLUMN_INFO* info = reinterpret_cast<const LIST_VIEW_COLUMN_INFO*>(lparam);
        if (info == nullptr) return -1;
        const int32_t at = std::clamp(index, 0, count);
        state->Columns.insert(
            state->Columns.begin() + at,
            LIST_VIEW_COLUMN{info->Heading, std::max(0, info->Width), info->Alignment, info->Sub_Item});
        for (int32_t& column : state->Order)
            if (column >= at) ++column;
        state->Order.insert(state->Order.begin() + std::min(at, static_cast<int32_t>(state->Order.size())),
                            at);
        changed();
        return at;
    }
    case MSG_LIST_VIEW_DELETE_COLUMN:
        if (!is_column) return 0;
        state->Columns.erase(state->Columns.begin() + index);
        state->Order.erase(std::find(state->Order.begin(), state->Order.end(), index));
        for (int32_t& column : state->Order)
            if (column > index) --column;
        Set_Scroll_X(list, state, state->Scroll_X);
        changed();
        return 1;
    case MSG_LIST_VIEW_GET_COLUMN: {
        LIST_VIEW_COLUMN_INFO* info = reinterpret_cast<LIST_VIEW_COLUMN_INFO*>(lparam);
        if (!is_column || info == nullptr) return 0;
        const LIST_VIEW_COLUMN& column = state->Columns[static_cast<size_t>(index)];
        *info = {column.Heading, column.Width, column.Alignment, column.Sub_Item};
        return 1;
    }
    case MSG_LIST_VIEW_SET_COLUMN_WIDTH:
        if (!is_column) return 0;
        state->Columns[static_cast<size_t>(index)].Width =
            lparam == LIST_VIEW_FIT_CONTENT   ? Fit_Column_Width(list, *state, index, false)
            : lparam == LIST_VIEW_FIT_HEADING ? Fit_Column_Width(list, *state, index, true)
                                              : std::max<int32_t>(0, static_cast<int32_t>(lparam));
        Set_Scroll_X(list, state, state->Scroll_X);
        changed();
        return 1;
    case MSG_LIST_VIEW_GET_COLUMN_WIDTH:
        return is_column ? state->Columns[static_cast<size_t>(index)].Width : 0;
    case MSG_LIST_VIEW_GET_COLUMN_COUNT:
        return count;
    case MSG_LIST_VIEW_SET_COLUMN_ORDER: {
        const int32_t* order = reinterpret_cast<const int32_t*>(lparam);
        if (order == nullptr || index != count) return 0;
        std::vector<int32_t> wanted(order, order + count);
        std::vector<int32_t> sorted = wanted;
        std::sort(sorted.begin(), sorted.end());
        for (int32_t i = 0; i < count; ++i)
            if (sorted[static_cast<size_t>(i)] != i) return 0; // not an arrangement of the columns
        state->Order = wanted;
        changed();
        return 1;
    }
    case MSG_LIST_VIEW_GET_COLUMN_ORDER: {
        int32_t* order = reinterpret_cast<int32_t*>(lparam);
        if (order == nullptr) return 0;
        const int32_t copied = std::min(index, count);
        std::copy(state->Order.begin(), state->Order.begin() + copied, order);
        return copied;
    }
    default:
        return Default_Window_Procedure(list, code, wparam, lparam);
    }
}

intptr_t Row_Message(WINDOW_HANDLE list, LIST_VIEW_STATE* state, uint32_t code, uintptr_t wparam,
                     intptr_t lparam) {
    const int32_t row = static_cast<int32_t>(static_cast<intptr_t>(wparam));
    switch (code) {
    case MSG_LIST_VIEW_INSERT_ITEM: {
        const LIST_VIEW_ITEM_INFO* info = reinterpret_cast<const LIST_VIEW_ITEM_INFO*>(lparam);
        if (info == nullptr) return -1;
        const int32_t at = std::clamp(row, 0, Row_Count(*state));
        LIST_VIEW_ROW made;
        made.Texts.push_back(info->Text);
        made.Data = info->Data;
        state->Rows.insert(state->Rows.begin() + at, made);
        if (state->Anchor >= at) ++state->Anchor;
        if (info->State != 0) Change_Row_State(list, state, at, info->State, ITEM_SELECTED | ITEM_FOCUSED);
        Invalidate_Window(list, nullptr);
        return at;
    }
    case MSG_LIST_VIEW_DELETE_ITEM:
        if (!Is_Row(*state, row)) return 0;
        state->Rows.erase(state->Rows.begin() + row);
        if (state->Anchor == row) state->Anchor = -1;
        if (state->Anchor > row) --state->Anchor;
        Set_Top(list, state, state->Top);
        Invalidate_Window(list, nullptr);
        return 1;
    case MSG_LIST_VIEW_DELETE_ALL_ITEMS:
        state->Rows.clear();
        state->Top = 0;
        state->Anchor = -1;
        Invalidate_Window(list, nullptr);
        return 1;
    case MSG_LIST_VIEW_GET_ITEM_COUNT:
        return Row_Count(*state);
    case MSG_LIST_VIEW_SET_ITEM_TEXT: {
        const LIST_VIEW_TEXT* text = reinterpret_cast<const LIST_VIEW_TEXT*>(lparam);
        if (!Is_Row(*state, row) || text == nullptr || text->Sub_Item < 0) return 0;
        std::vector<std::string>& texts = state->Rows[static_cast<size_t>(row)].Texts;
        if (static_cast<int32_t>(texts.size()) <= text->Sub_Item)
            texts.resize(static_cast<size_t>(text->Sub_Item) + 1);
        texts[static_cast<size_t>(text->Sub_Item)] = text->Text;
        Invalidate_Window(list, nullptr);
        return 1;
    }
    case MSG_LIST_VIEW_GET_ITEM_TEXT: {
        LIST_VIEW_TEXT* text = reinterpret_cast<LIST_VIEW_TEXT*>(lparam);
        if (!Is_Row(*state, row) || text == nullptr) return -1;
        text->Text = Cell_Text(state->Rows[static_cast<size_t>(row)], text->Sub_Item);
        return static_cast<intptr_t>(text->Text.size());
    }
    case MSG_LIST_VIEW_SET_ITEM_DATA:
        if (!Is_Row(*state, row)) return 0;
        state->Rows[static_cast<size_t>(row)].Data = lparam;
        return 1;
    case MSG_LIST_VIEW_GET_ITEM_DATA:
        return Is_Row(*state, row) ? state->Rows[static_cast<size_t>(row)].Data : 0;
    case MSG_LIST_VIEW_SET_ITEM_STATE: {
        const LIST_VIEW_STATE_CHANGE* change = reinterpret_cast<const LIST_VIEW_STATE_CHANGE*>(lparam);
        if (change == nullptr) return 0;
        if (row == -1)
            Change_All_Rows(list, state, change->State, change->Mask);
        else
            Change_Row_State(list, state, row, change->State, change->Mask);
        return 1;
    }
    case MSG_LIST_VIEW_GET_ITEM_STATE:
        return Is_Row(*state, row)
                   ? state->Rows[static_cast<size_t>(row)].State & static_cast<uint32_t>(lparam)
                   : 0;
    case MSG_LIST_VIEW_GET_NEXT_ITEM:
        for (int32_t next = std::max(-1, row) + 1; next < Row_Count(*state); ++next)
            if ((state->Rows[static_cast<size_t>(next)].State & static_cast<uint32_t>(lparam)) ==
                static_cast<uint32_t>(lparam))
                return next;
        return -1;
    case MSG_LIST_VIEW_ENSURE_VISIBLE:
        Ensure_Visible(list, state, row);
        return Is_Row(*state, row) ? 1 : 0;
    case MSG_LIST_VIEW_GET_ITEM_RECT: {
        RECT_AREA* rect = reinterpret_cast<RECT_AREA*>(lparam);
        if (!Is_Row(*state, row) || rect == nullptr) return 0;
        const LIST_VIEW_LAYOUT layout = Layout_Of(list, *state);
        const int32_t top = layout.Rows.Top + (row - state->Top) * layout.Row_Height;
        *rect = {layout.Rows.Left - state->Scroll_X, top,
                 layout.Rows.Left - state->Scroll_X + Total_Column_Width(*state), top + layout.Row_Height};
        return 1;
    }
    case MSG_LIST_VIEW_GET_TOP_INDEX:
        return state->Top;
    case MSG_LIST_VIEW_SORT_ITEMS: {
        const LIST_VIEW_COMPARE compare = reinterpret_cast<LIST_VIEW_COMPARE>(lparam);
        if (compare == nullptr) return 0;
        const intptr_t context = static_cast<intptr_t>(wparam);
        std::stable_sort(state->Rows.begin(), state->Rows.end(),
                         [&](const LIST_VIEW_ROW& a, const LIST_VIEW_ROW& b) {
                             return compare(a.Data, b.Data, context) < 0;
                         });
        state->Anchor = -1;
        Invalidate_Window(list, nullptr);
        return 1;
    }
    case MSG_LIST_VIEW_FIND_ITEM_DATA:
        for (int32_t next = std::max(-1, row) + 1; next < Row_Count(*state); ++next)
            if (state->Rows[static_cast<size_t>(next)].Data == lparam) return next;
        return -1;
    case MSG_LIST_VIEW_GET_SELECTED_COUNT:
        return std::count_if(state->Rows.begin(), state->Rows.end(),
                             [](const LIST_VIEW_ROW& each) { return (each.State & ITEM_SELECTED) != 0; });
    case MSG_LIST_VIEW_GET_COUNT_PER_PAGE:
        return Layout_Of(list, *state).Visible_Rows;
    case MSG_LIST_VIEW_HIT_TEST:
        return Row_At(list, *state, Point_X(lparam), Point_Y(lparam));
    case MSG_LIST_VIEW_GET_STRING_WIDTH:
        return lparam != 0 ? Measure_Control_Text(list, reinterpret_cast<const char*>(lparam)) : 0;
    case MSG_LIST_VIEW_GET_HEADER:
        return static_cast<intptr_t>(state->Header);
    case MSG_LIST_VIEW_SET_EXTENDED_STYLE: {
        const uint32_t previous = state->Extended_Style;
        const uint32_t mask = wparam == 0 ? 0xFFFFFFFFu : static_cast<uint32_t>(wparam);
        state->Extended_Style = (previous & ~mask) | (static_cast<uint32_t>(lparam) & mask);
        Invalidate_Window(list, nullptr);
        return previous;
    }
    case MSG_LIST_VIEW_GET_EXTENDED_STYLE:
        return state->Extended_Style;
    default:
        return Column_Message(list, state, code, wparam, lparam);
    }
}

intptr_t List_View_Procedure(WINDOW_HANDLE list, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    LIST_VIEW_STATE* state = list_view_states.Find(list);
    if (state == nullptr) {
        if (code == MSG_CREATE) {
            list_view_states.Make(list);
            list_view_states.Find(list)->Header = Create_List_View_Header(list);
            return 0;
        }
        return Default_Window_Procedure(list, code, wparam, lparam);
    }
    const int32_t x = Point_X(lparam), y = Point_Y(lparam);
    switch (code) {
    case MSG_DESTROY:
        list_view_states.Free(list);
        return 0;
    case MSG_PAINT:
        Paint_List_View(list, state);
        return 0;
    case MSG_SET_FONT:
        if (Is_Window(state->Header))
            Set_Window_Font(state->Header, reinterpret_cast<DRAWING_FONT*>(wparam), true);
        Fit_Header(list, *state, Layout_Of(list, *state));
        Invalidate_Window(list, nullptr);
        return 0;
    case MSG_SIZE:
        Fit_Header(list, *state, Layout_Of(list, *state));
        Set_Top(list, state, state->Top);
        Invalidate_Window(list, nullptr);
        return 0;
    case MSG_SET_REDRAW:
        state->Redraw = wparam != 0;
        if (state->Redraw) {
            Invalidate_Window(list, nullptr);
            if (Is_Window(state->Header)) Invalidate_Window(state->Header, nullptr);
        }
        return 0;
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE:
    case MSG_RBUTTON_DOWN:
        Set_Focus(list);
        if (!Is_Window(list) || list_view_states.Find(list) != state) return 0;
        if (code != MSG_RBUTTON_DOWN && Press_Scroll_Bars(list, state, x, y)) return 0;
        Handle_Row_Press(list, state, code, wparam, x, y);
        return 0;
    case MSG_RBUTTON_UP: {
        NOTIFY_INFO info = Make_Notify(NOTIFY_RIGHT_CLICK);
        info.Item = Row_At(list, *state, x, y);
        info.Sub_Item = Sub_Item_At(*state, list, x);
        info.X = x;
        info.Y = y;
        if (Is_Row(*state, info.Item)) info.Item_Data = state->Rows[static_cast<size_t>(info.Item)].Data;
        Send_Notify(list, &info);
        return 0;
    }
    case MSG_MOUSE_MOVE:
        if (state->Dragging_Bar != 0) Drag_Thumb(list, state, x, y);
        return 0;
    case MSG_LBUTTON_UP:
    case MSG_CAPTURE_LOST:
        if (state->Dragging_Bar != 0) {
            state->Dragging_Bar = 0;
            if (code == MSG_LBUTTON_UP && Get_Capture() == list) Release_Capture();
        }
        return 0;
    case MSG_MOUSE_WHEEL:
        Set_Top(list, state, state->Top - static_cast<int32_t>(static_cast<intptr_t>(wparam)) * WHEEL_ROWS);
        return 0;
    case MSG_KEY_DOWN:
        Handle_Key(list, state, static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam));
        return 0;
    case MSG_GET_DIALOG_CODE:
        return DIALOG_WANTS_ARROWS;
    case MSG_SET_FOCUS:
    case MSG_KILL_FOCUS: {
        Invalidate_Window(list, nullptr);
        NOTIFY_INFO info = Make_Notify(code == MSG_SET_FOCUS ? NOTIFY_SET_FOCUS : NOTIFY_KILL_FOCUS);
        Send_Notify(list, &info);
        return 0;
    }
    case MSG_ENABLE:
        Invalidate_Window(list, nullptr);
        if (Is_Window(state->Header)) Invalidate_Window(state->Header, nullptr);
        return 0;
    default:
        return Row_Message(list, state, code, wparam, lparam);
    }
}
} // namespace

LIST_VIEW_STATE* Find_List_View_State(WINDOW_HANDLE list) {
    return list_view_states.Find(list);
}

int32_t List_View_Header_Height(WINDOW_HANDLE list) {
    return Get_Control_Line_Height(list) + 6;
}

int32_t Column_Left_At_Place(const LIST_VIEW_STATE& state, int32_t place) {
    int32_t left = -state.Scroll_X;
    for (int32_t i = 0; i < place && i < static_cast<int32_t>(state.Order.size()); ++i)
        left += state.Columns[static_cast<size_t>(state.Order[static_cast<size_t>(i)])].Width;
    return left;
}

int32_t Total_Column_Width(const LIST_VIEW_STATE& state) {
    int32_t total = 0;
    for (const LIST_VIEW_COLUMN& column : state.Columns)
        total += column.Width;
    return total;
}

void Notify_From_List_View(WINDOW_HANDLE list, uint32_t code, int32_t item, int32_t sub_item, int32_t x,
                           int32_t y) {
    NOTIFY_INFO info = Make_Notify(code);
    info.Item = item;
    info.Sub_Item = sub_item;
    info.X = x;
    info.Y = y;
    Send_Notify(list, &info);
}

void Register_List_View_Control() {
    Register_Window_Class(Get_Control_Class_Name(CONTROL_LIST_VIEW), List_View_Procedure,
                          Get_System_Colour(COLOUR_WINDOW));
    Register_List_View_Header();
}

int32_t List_View_Insert_Column(WINDOW_HANDLE list, int32_t index, const char* heading, int32_t width,
                                int32_t alignment, int32_t sub_item) {
    const LIST_VIEW_COLUMN_INFO info{heading != nullptr ? heading : "", width, alignment, sub_item};
    return static_cast<int32_t>(Send_Window_Message(
        list, MSG_LIST_VIEW_INSERT_COLUMN, static_cast<uintptr_t>(index), reinterpret_cast<intptr_t>(&info)));
}

bool List_View_Delete_Column(WINDOW_HANDLE list, int32_t index) {
    return Send_Window_Message(list, MSG_LIST_VIEW_DELETE_COLUMN, static_cast<uintptr_t>(index), 0) != 0;
}

int32_t List_View_Get_Column_Count(WINDOW_HANDLE list) {
    return static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_VIEW_GET_COLUMN_COUNT, 0, 0));
}

int32_t List_View_Get_Column_Sub_Item(WINDOW_HANDLE list, int32_t index) {
    LIST_VIEW_COLUMN_INFO info{};
    return Send_Window_Message(list, MSG_LIST_VIEW_GET_COLUMN, static_cast<uintptr_t>(index),
                               reinterpret_cast<intptr_t>(&info)) != 0
               ? info.Sub_Item
               : -1;
}

std::vector<int32_t> List_View_Get_Column_Order(WINDOW_HANDLE list) {
    std::vector<int32_t> order(static_cast<size_t>(std::max(0, List_View_Get_Column_Count(list))));
    Send_Window_Message(list, MSG_LIST_VIEW_GET_COLUMN_ORDER, order.size(),
                        reinterpret_cast<intptr_t>(order.data()));
    return order;
}

void List_View_Set_Column_Order(WINDOW_HANDLE list, const std::vector<int32_t>& order) {
    Send_Window_Message(list, MSG_LIST_VIEW_SET_COLUMN_ORDER, order.size(),
                        reinterpret_cast<intptr_t>(order.data()));
}

int32_t List_View_Insert_Item(WINDOW_HANDLE list, int32_t index, const char* text, intptr_t data,
                              uint32_t state) {
    const LIST_VIEW_ITEM_INFO info{text != nullptr ? text : "", data, state};
    return static_cast<int32_t>(Send_Window_Message(
        list, MSG_LIST_VIEW_INSERT_ITEM, static_cast<uintptr_t>(index), reinterpret_cast<intptr_t>(&info)));
}

void List_View_Set_Item_Text(WINDOW_HANDLE list, int32_t row, int32_t sub_item, const char* text) {
    const LIST_VIEW_TEXT info{sub_item, text != nullptr ? text : ""};
    Send_Window_Message(list, MSG_LIST_VIEW_SET_ITEM_TEXT, static_cast<uintptr_t>(row),
                        reinterpret_cast<intptr_t>(&info));
}

std::string List_View_Get_Item_Text(WINDOW_HANDLE list, int32_t row, int32_t sub_item) {
    LIST_VIEW_TEXT info{sub_item, ""};
    Send_Window_Message(list, MSG_LIST_VIEW_GET_ITEM_TEXT, static_cast<uintptr_t>(row),
                        reinterpret_cast<intptr_t>(&info));
    return info.Text;
}

intptr_t List_View_Get_Item_Data(WINDOW_HANDLE list, int32_t row) {
    return Send_Window_Message(list, MSG_LIST_VIEW_GET_ITEM_DATA, static_cast<uintptr_t>(row), 0);
}

void List_View_Set_Item_State(WINDOW_HANDLE list, int32_t row, uint32_t state, uint32_t mask) {
    const LIST_VIEW_STATE_CHANGE change{state, mask};
    Send_Window_Message(list, MSG_LIST_VIEW_SET_ITEM_STATE,
                        static_cast<uintptr_t>(static_cast<intptr_t>(row)),
                        reinterpret_cast<intptr_t>(&change));
}

int32_t List_View_Get_Next_Item(WINDOW_HANDLE list, int32_t after, uint32_t state) {
    return static_cast<int32_t>(Send_Window_Message(
        list, MSG_LIST_VIEW_GET_NEXT_ITEM, static_cast<uintptr_t>(static_cast<intptr_t>(after)), state));
}

int32_t List_View_Get_Item_Count(WINDOW_HANDLE list) {
    return static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_VIEW_GET_ITEM_COUNT, 0, 0));
}

void List_View_Sort_Items(WINDOW_HANDLE list, LIST_VIEW_COMPARE compare, intptr_t context) {
    Send_Window_Message(list, MSG_LIST_VIEW_SORT_ITEMS, static_cast<uintptr_t>(context),
                        reinterpret_cast<intptr_t>(compare));
}
