#include "platform/list_box.h"

#include <algorithm>

#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
struct LIST_BOX_STATE {
    std::vector<LIST_ITEM> Items;
    int32_t Selected = -1; // single selection
    int32_t Caret = 0;
    int32_t Top = 0;
    int32_t Item_Height = 0;        // 0: the font's line height
    std::vector<int32_t> Tab_Stops; // pixels
    bool Tracking = false;          // the button is held after a press on a line
    bool Dragging_Thumb = false;
    int32_t Thumb_Grab = 0; // where on the thumb it was taken
};

CONTROL_STATE_TABLE<LIST_BOX_STATE> list_states;
constexpr int32_t DEFAULT_TAB_UNITS = 32;
constexpr int32_t WHEEL_LINES = 3;

bool Is_Multi(WINDOW_HANDLE list) {
    return (Get_Window_Style(list) & CONTROL_MULTI_SELECT) != 0;
}

bool Is_Owner_Drawn(WINDOW_HANDLE list) {
    return (Get_Window_Style(list) & CONTROL_OWNER_DRAW) != 0;
}

int32_t Item_Height(WINDOW_HANDLE list, const LIST_BOX_STATE& state) {
    return state.Item_Height > 0 ? state.Item_Height : Get_Control_Line_Height(list);
}

RECT_AREA Inner_Area(WINDOW_HANDLE list) {
    RECT_AREA client;
    Get_Client_Rect(list, &client);
    return {client.Left + 2, client.Top + 2, client.Right - 2, client.Bottom - 2};
}

int32_t Visible_Rows(WINDOW_HANDLE list, const LIST_BOX_STATE& state) {
    const RECT_AREA inner = Inner_Area(list);
    return std::max(1, (inner.Bottom - inner.Top) / Item_Height(list, state));
}

SCROLL_RANGE Range_Of(WINDOW_HANDLE list, const LIST_BOX_STATE& state) {
    return {state.Top, Visible_Rows(list, state), static_cast<int32_t>(state.Items.size())};
}

bool Has_Scroll_Bar(WINDOW_HANDLE list, const LIST_BOX_STATE& state) {
    return static_cast<int32_t>(state.Items.size()) > Visible_Rows(list, state);
}

RECT_AREA Scroll_Bar_Rect(WINDOW_HANDLE list) {
    const RECT_AREA inner = Inner_Area(list);
    return {inner.Right - SCROLL_BAR_SIZE, inner.Top, inner.Right, inner.Bottom};
}

RECT_AREA Item_Rect(WINDOW_HANDLE list, const LIST_BOX_STATE& state, int32_t index) {
    const RECT_AREA inner = Inner_Area(list);
    const int32_t height = Item_Height(list, state);
    const int32_t right = Has_Scroll_Bar(list, state) ? inner.Right - SCROLL_BAR_SIZE : inner.Right;
    const int32_t top = inner.Top + (index - state.Top) * height;
    return {inner.Left, top, right, top + height};
}

int32_t Item_At(WINDOW_HANDLE list, const LIST_BOX_STATE& state, int32_t x, int32_t y) {
    const RECT_AREA inner = Inner_Area(list);
    if (x < inner.Left || x >= inner.Right || y < inner.Top || y >= inner.Bottom) return -1;
    const int32_t index = state.Top + (y - inner.Top) / Item_Height(list, state);
    return Is_List_Index(state.Items, index) ? index : -1;
}

void Set_Top(WINDOW_HANDLE list, LIST_BOX_STATE* state, int32_t top) {
    const int32_t clamped = Clamp_Scroll_First(Range_Of(list, *state), top);
    if (clamped == state->Top) return;
    state->Top = clamped;
    Invalidate_Window(list, nullptr);
}

void Ensure_Visible(WINDOW_HANDLE list, LIST_BOX_STATE* state, int32_t index) {
    const int32_t rows = Visible_Rows(list, *state);
    if (index < state->Top)
        Set_Top(list, state, index);
    else if (index >= state->Top + rows)
        Set_Top(list, state, index - rows + 1);
}

int32_t Count_Selected(const LIST_BOX_STATE& state) {
    return static_cast<int32_t>(std::count_if(state.Items.begin(), state.Items.end(),
                                              [](const LIST_ITEM& item) { return item.Selected; }));
}

bool Is_Selected(WINDOW_HANDLE list, const LIST_BOX_STATE& state, int32_t index) {
    if (!Is_List_Index(state.Items, index)) return false;
    return Is_Multi(list) ? state.Items[static_cast<size_t>(index)].Selected : state.Selected == index;
}

// The user moved the single selection (or the caret of a multiple one).
void User_Select(WINDOW_HANDLE list, LIST_BOX_STATE* state, int32_t index) {
    if (!Is_List_Index(state->Items, index)) return;
    state->Caret = index;
    Ensure_Visible(list, state, index);
    Invalidate_Window(list, nullptr);
    if (Is_Multi(list)) return;
    if (state->Selected == index) return;
    state->Selected = index;
    Notify_Parent(list, NOTIFY_LIST_SELECTION_CHANGE);
}

void User_Toggle(WINDOW_HANDLE list, LIST_BOX_STATE* state, int32_t index) {
    if (!Is_List_Index(state->Items, index)) return;
    state->Caret = index;
    LIST_ITEM& item = state->Items[static_cast<size_t>(index)];
    item.Selected = !item.Selected;
    Invalidate_Window(list, nullptr);
    Notify_Parent(list, NOTIFY_LIST_SELECTION_CHANGE);
}

void Measure_Owner_Items(WINDOW_HANDLE list, LIST_BOX_STATE* state) {
    if (Is_Owner_Drawn(list))
        state->Item_Height = Ask_Parent_Item_Height(list, CONTROL_LIST_BOX, Get_Control_Line_Height(list));
}

void Paint_List_Box(WINDOW_HANDLE list, const LIST_BOX_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(list, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(list, &client);
    const bool enabled = Is_Window_Enabled(list);
    const DRAWING_BRUSH* brush = Ask_Parent_For_Colours(
        list, MSG_CONTROL_COLOUR_LIST_BOX, dc,
        Get_System_Colour(enabled ? COLOUR_WINDOW_TEXT : COLOUR_GRAY_TEXT), Get_System_Colour(COLOUR_WINDOW));
    const COLOUR_VALUE text_colour = enabled ? dc->State.Text_Colour : Get_System_Colour(COLOUR_GRAY_TEXT);
    const RECT_AREA inner = Draw_Sunken_Edge(dc, client);
    Fill_Control_Background(dc, inner, brush, dc->State.Background_Colour);
    Save_Device_Context(dc);
    Intersect_Clip_Rect(dc, inner);
    Select_Control_Font(dc, list);
    const bool focused = Get_Focus() == list;
    // Only whole rows are drawn, as a list sized to its rows shows them: a
    // row cut by the bottom edge would read as a broken line; the scroll bar
    // brings the rest.
    const int32_t rows = Visible_Rows(list, state);
    const int32_t default_stop = Dialog_Units_To_Pixels_X(DEFAULT_TAB_UNITS);
    if (state.Items.empty() && Is_Owner_Drawn(list)) {
        Ask_Parent_To_Draw_Item(list, CONTROL_LIST_BOX, dc, -1, 0, focused ? ITEM_FOCUSED : 0,
                                Item_Rect(list, state, state.Top));
    }
    for (int32_t i = state.Top; i < state.Top + rows && Is_List_Index(state.Items, i); ++i) {
        const RECT_AREA rect = Item_Rect(list, state, i);
        const bool selected = Is_Selected(list, state, i);
        const LIST_ITEM& item = state.Items[static_cast<size_t>(i)];
        uint32_t item_state = selected ? ITEM_SELECTED : 0;
        if (focused && i == state.Caret) item_state |= ITEM_FOCUSED;
        if (!enabled) item_state |= ITEM_DISABLED;
        if (Is_Owner_Drawn(list)) {
            Ask_Parent_To_Draw_Item(list, CONTROL_LIST_BOX, dc, i, item.Data, item_state, rect);
            continue;
        }
        if (selected) Fill_Surface_Area(dc, rect, Get_System_Colour(COLOUR_HIGHLIGHT));
        Draw_Tabbed_Line(dc, rect.Left + 2, rect.Top, item.Text, state.Tab_Stops, default_stop,
                         selected ? Get_System_Colour(COLOUR_HIGHLIGHT_TEXT) : text_colour);
        if ((item_state & ITEM_FOCUSED) != 0) Draw_Focus_Rect(dc, rect);
    }
    Restore_Device_Context(dc);
    if (Has_Scroll_Bar(list, state))
        Draw_Scroll_Bar(dc, Scroll_Bar_Rect(list), true, Range_Of(list, state), enabled);
    End_Paint(list, &paint);
}

void Delete_Item(LIST_BOX_STATE* state, int32_t index) {
    state->Items.erase(state->Items.begin() + index);
    if (state->Selected == index)
        state->Selected = -1;
    else if (state->Selected > index)
        --state->Selected;
    if (state->Caret >= index && state->Caret > 0) --state->Caret;
}

intptr_t Handle_Mouse(WINDOW_HANDLE list, LIST_BOX_STATE* state, uint32_t code, uintptr_t keys,
                      intptr_t lparam) {
    const int32_t x = Point_X(lparam), y = Point_Y(lparam);
    const SCROLL_RANGE range = Range_Of(list, *state);
    const RECT_AREA bar = Scroll_Bar_Rect(list);
    switch (code) {
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE: {
        Set_Focus(list);
        if (Has_Scroll_Bar(list, *state) && Is_Point_In_Rect(bar, x, y)) {
            const int32_t part = Hit_Scroll_Bar(bar, true, range, x, y);
            if (part == SCROLL_THUMB) {
                state->Dragging_Thumb = true;
                state->Thumb_Grab = y - Get_Scroll_Thumb_Rect(bar, true, range).Top;
                Set_Capture(list);
            } else {
                Set_Top(list, state, Scroll_By_Part(range, part));
            }
            return 0;
        }
        const int32_t index = Item_At(list, *state, x, y);
        if (index < 0) return 0;
        if (code == MSG_LBUTTON_DOUBLE) {
            if (!Is_Multi(list)) User_Select(list, state, index);
            Notify_Parent(list, NOTIFY_LIST_DOUBLE_CLICK);
            return 0;
        }
        if (Is_Multi(list)) {
            User_Toggle(list, state, index);
        } else {
            User_Select(list, state, index);
            state->Tracking = true;
            Set_Capture(list);
        }
        return 0;
    }
    case MSG_MOUSE_MOVE:
        if (state->Dragging_Thumb) {
            Set_Top(
                list, state,
                Scroll_First_For_Thumb(bar, true, range, y - state->Thumb_Grab - bar.Top - SCROLL_BAR_SIZE));
        } else if (state->Tracking) {
            const RECT_AREA inner = Inner_Area(list);
            const int32_t height = Item_Height(list, *state);
            const int32_t row = y < inner.Top ? state->Top - 1 : state->Top + (y - inner.Top) / height;
            const int32_t index = std::clamp(row, 0, static_cast<int32_t>(state->Items.size()) - 1);
            if (!state->Items.empty()) User_Select(list, state, index);
        }
        return 0;
    case MSG_LBUTTON_UP:
    case MSG_CAPTURE_LOST:
        state->Tracking = state->Dragging_Thumb = false;
        if (code == MSG_LBUTTON_UP && Get_Capture() == list) Release_Capture();
        return 0;
    case MSG_MOUSE_WHEEL:
        Set_Top(list, state, state->Top - static_cast<int32_t>(static_cast<intptr_t>(keys)) * WHEEL_LINES);
        return 0;
    default:
        return 0;
    }
}

void Handle_Key(WINDOW_HANDLE list, LIST_BOX_STATE* state, uint32_t key) {
    const int32_t count = static_cast<int32_t>(state->Items.size());
    if (count == 0) return;
    const int32_t page = std::max(1, Visible_Rows(list, *state) - 1);
    const int32_t from = Is_Multi(list) ? state->Caret : std::max(0, state->Selected);
    int32_t to = from;
    switch (key) {
    case KEY_UP:
        to = from - 1;
        break;
    case KEY_DOWN:
        to = state->Selected < 0 && !Is_Multi(list) ? 0 : from + 1;
        break;
    case KEY_PAGE_UP:
        to = from - page;
        break;
    case KEY_PAGE_DOWN:
        to = from + page;
        break;
    case KEY_HOME:
        to = 0;
        break;
    case KEY_END:
        to = count - 1;
        break;
    case KEY_SPACE:
        if (Is_Multi(list)) User_Toggle(list, state, state->Caret);
        return;
    default:
        return;
    }
    to = std::clamp(to, 0, count - 1);
    if (Is_Multi(list)) {
        state->Caret = to;
        Ensure_Visible(list, state, to);
        Invalidate_Window(list, nullptr);
    } else {
        User_Select(list, state, to);
    }
}

intptr_t List_Box_Procedure(WINDOW_HANDLE list, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    LIST_BOX_STATE* state = list_states.Find(list);
    if (state == nullptr) {
        if (code == MSG_CREATE) {
            Measure_Owner_Items(list, list_states.Make(list));
            return 0;
        }
        return Default_Window_Procedure(list, code, wparam, lparam);
    }
    const int32_t index = static_cast<int32_t>(static_cast<intptr_t>(wparam));
    switch (code) {
    case MSG_DESTROY:
        list_states.Free(list);
        return 0;
    case MSG_PAINT:
        Paint_List_Box(list, *state);
        return 0;
    case MSG_SET_FONT:
        Measure_Owner_Items(list, state);
        return 0;
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE:
    case MSG_MOUSE_MOVE:
    case MSG_LBUTTON_UP:
    case MSG_CAPTURE_LOST:
    case MSG_MOUSE_WHEEL:
        return Handle_Mouse(list, state, code, wparam, lparam);
    case MSG_KEY_DOWN:
        Handle_Key(list, state, static_cast<uint32_t>(wparam));
        return 0;
    case MSG_CHAR: {
        const char typed[2] = {static_cast<char>(wparam), 0};
        const int32_t found =
            Find_List_Item(state->Items, Is_Multi(list) ? state->Caret : state->Selected, typed, false);
        if (found >= 0 && Is_Multi(list)) {
            state->Caret = found;
            Ensure_Visible(list, state, found);
        } else if (found >= 0) {
            User_Select(list, state, found);
        }
        Invalidate_Window(list, nullptr);
        return 0;
    }
    case MSG_GET_DIALOG_CODE:
        return DIALOG_WANTS_ARROWS;
    case MSG_SET_FOCUS:
    case MSG_KILL_FOCUS:
        Invalidate_Window(list, nullptr);
        Notify_Parent(list, code == MSG_SET_FOCUS ? NOTIFY_LIST_SET_FOCUS : NOTIFY_LIST_KILL_FOCUS);
        return 0;
    case MSG_ENABLE:
    case MSG_SIZE:
        Invalidate_Window(list, nullptr);
        return 0;
    case MSG_SET_REDRAW:
        if (wparam != 0) Invalidate_Window(list, nullptr);
        return 0;
    case MSG_LIST_ADD_STRING:
    case MSG_LIST_INSERT_STRING: {
        const bool sorted = code == MSG_LIST_ADD_STRING && (Get_Window_Style(list) & CONTROL_SORTED) != 0;
        const int32_t at = Insert_List_Item(&state->Items, code == MSG_LIST_ADD_STRING ? -1 : index,
                                            reinterpret_cast<const char*>(lparam), sorted);
        if (at >= 0 && state->Selected >= at) ++state->Selected;
        Invalidate_Window(list, nullptr);
        return at;
    }
    case MSG_LIST_DELETE_STRING:
        if (!Is_List_Index(state->Items, index)) return LIST_ERROR;
        Delete_Item(state, index);
        Set_Top(list, state, state->Top);
        Invalidate_Window(list, nullptr);
        return static_cast<intptr_t>(state->Items.size());
    case MSG_LIST_RESET_CONTENT:
        state->Items.clear();
        state->Selected = -1;
        state->Caret = state->Top = 0;
        Invalidate_Window(list, nullptr);
        return 0;
    case MSG_LIST_GET_COUNT:
        return static_cast<intptr_t>(state->Items.size());
    case MSG_LIST_GET_TEXT: {
        std::string* out = reinterpret_cast<std::string*>(lparam);
        if (!Is_List_Index(state->Items, index)) return LIST_ERROR;
        if (out != nullptr) *out = state->Items[static_cast<size_t>(index)].Text;
        return static_cast<intptr_t>(state->Items[static_cast<size_t>(index)].Text.size());
    }
    case MSG_LIST_SET_ITEM_DATA:
        if (!Is_List_Index(state->Items, index)) return LIST_ERROR;
        state->Items[static_cast<size_t>(index)].Data = lparam;
        return 0;
    case MSG_LIST_GET_ITEM_DATA:
        return Is_List_Index(state->Items, index) ? state->Items[static_cast<size_t>(index)].Data
                                                  : LIST_ERROR;
    case MSG_LIST_SET_CURRENT_SELECTION:
        if (Is_Multi(list)) return LIST_ERROR;
        state->Selected = Is_List_Index(state->Items, index) ? index : -1;
        if (state->Selected >= 0) {
            state->Caret = index;
            Ensure_Visible(list, state, index);
        }
        Invalidate_Window(list, nullptr);
        return state->Selected >= 0 || index == -1 ? state->Selected : LIST_ERROR;
    case MSG_LIST_GET_CURRENT_SELECTION:
        return Is_Multi(list) ? state->Caret : state->Selected;
    case MSG_LIST_SET_SELECTION: {
        const int32_t item = static_cast<int32_t>(lparam);
        if (!Is_Multi(list)) return LIST_ERROR;
        if (item == -1) {
            for (LIST_ITEM& each : state->Items)
                each.Selected = wparam != 0;
        } else if (Is_List_Index(state->Items, item)) {
            state->Items[static_cast<size_t>(item)].Selected = wparam != 0;
        } else {
            return LIST_ERROR;
        }
        Invalidate_Window(list, nullptr);
        return 0;
    }
    case MSG_LIST_GET_SELECTION:
        return Is_Selected(list, *state, index) ? 1 : 0;
    case MSG_LIST_GET_SELECTION_COUNT:
        return Is_Multi(list) ? Count_Selected(*state) : (state->Selected >= 0 ? 1 : 0);
    case MSG_LIST_SET_TOP_INDEX:
        Set_Top(list, state, index);
        return 0;
    case MSG_LIST_GET_TOP_INDEX:
        return state->Top;
    case MSG_LIST_SET_TAB_STOPS: {
        const int32_t* units = reinterpret_cast<const int32_t*>(lparam);
        state->Tab_Stops.clear();
        for (int32_t i = 0; units != nullptr && i < index; ++i)
            state->Tab_Stops.push_back(Dialog_Units_To_Pixels_X(units[i]));
        std::sort(state->Tab_Stops.begin(), state->Tab_Stops.end());
        Invalidate_Window(list, nullptr);
        return 1;
    }
    case MSG_LIST_SET_ITEM_HEIGHT:
        state->Item_Height = std::max(1, static_cast<int32_t>(lparam));
        Invalidate_Window(list, nullptr);
        return 0;
    case MSG_LIST_GET_ITEM_HEIGHT:
        return Item_Height(list, *state);
    case MSG_LIST_FIND_STRING:
    case MSG_LIST_FIND_EXACT:
        return Find_List_Item(state->Items, index, reinterpret_cast<const char*>(lparam),
                              code == MSG_LIST_FIND_EXACT);
    case MSG_LIST_GET_CARET_INDEX:
        return state->Caret;
    case MSG_LIST_SET_CARET_INDEX:
        if (!Is_List_Index(state->Items, index)) return LIST_ERROR;
        state->Caret = index;
        Ensure_Visible(list, state, index);
        Invalidate_Window(list, nullptr);
        return 0;
    case MSG_LIST_GET_ITEM_RECT:
        if (!Is_List_Index(state->Items, index) || lparam == 0) return LIST_ERROR;
        *reinterpret_cast<RECT_AREA*>(lparam) = Item_Rect(list, *state, index);
        return 1;
    case MSG_LIST_ITEM_FROM_POINT:
        return Item_At(list, *state, Point_X(lparam), Point_Y(lparam));
    default:
        return Default_Window_Procedure(list, code, wparam, lparam);
    }
}
} // namespace

void Register_List_Box_Control() {
    Register_Window_Class(Get_Control_Class_Name(CONTROL_LIST_BOX), List_Box_Procedure,
                          Get_System_Colour(COLOUR_WINDOW));
}

int32_t List_Box_Add_String(WINDOW_HANDLE list, const char* text) {
    return static_cast<int32_t>(
        Send_Window_Message(list, MSG_LIST_ADD_STRING, 0, reinterpret_cast<intptr_t>(text)));
}

int32_t List_Box_Insert_String(WINDOW_HANDLE list, int32_t index, const char* text) {
    return static_cast<int32_t>(Send_Window_Message(
        list, MSG_LIST_INSERT_STRING, static_cast<uintptr_t>(index), reinterpret_cast<intptr_t>(text)));
}

int32_t List_Box_Delete_String(WINDOW_HANDLE list, int32_t index) {
    return static_cast<int32_t>(
        Send_Window_Message(list, MSG_LIST_DELETE_STRING, static_cast<uintptr_t>(index), 0));
}

void List_Box_Reset_Content(WINDOW_HANDLE list) {
    Send_Window_Message(list, MSG_LIST_RESET_CONTENT, 0, 0);
}

int32_t List_Box_Get_Count(WINDOW_HANDLE list) {
    return static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_GET_COUNT, 0, 0));
}

std::string List_Box_Get_Text(WINDOW_HANDLE list, int32_t index) {
    std::string text;
    Send_Window_Message(list, MSG_LIST_GET_TEXT, static_cast<uintptr_t>(index),
                        reinterpret_cast<intptr_t>(&text));
    return text;
}

void List_Box_Set_Item_Data(WINDOW_HANDLE list, int32_t index, intptr_t data) {
    Send_Window_Message(list, MSG_LIST_SET_ITEM_DATA, static_cast<uintptr_t>(index), data);
}

intptr_t List_Box_Get_Item_Data(WINDOW_HANDLE list, int32_t index) {
    return Send_Window_Message(list, MSG_LIST_GET_ITEM_DATA, static_cast<uintptr_t>(index), 0);
}

void List_Box_Set_Current_Selection(WINDOW_HANDLE list, int32_t index) {
    Send_Window_Message(list, MSG_LIST_SET_CURRENT_SELECTION, static_cast<uintptr_t>(index), 0);
}

int32_t List_Box_Get_Current_Selection(WINDOW_HANDLE list) {
    return static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_GET_CURRENT_SELECTION, 0, 0));
}

void List_Box_Set_Selection(WINDOW_HANDLE list, bool select, int32_t index) {
    Send_Window_Message(list, MSG_LIST_SET_SELECTION, select ? 1 : 0, index);
}

bool List_Box_Is_Selected(WINDOW_HANDLE list, int32_t index) {
    return Send_Window_Message(list, MSG_LIST_GET_SELECTION, static_cast<uintptr_t>(index), 0) != 0;
}

void List_Box_Set_Tab_Stops(WINDOW_HANDLE list, const std::vector<int32_t>& dialog_units) {
    Send_Window_Message(list, MSG_LIST_SET_TAB_STOPS, dialog_units.size(),
                        reinterpret_cast<intptr_t>(dialog_units.data()));
}
