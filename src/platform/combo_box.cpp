#include "platform/combo_box.h"

#include <algorithm>

#include "platform/backend.h"
#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/keys.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
struct COMBO_STATE {
    std::vector<LIST_ITEM> Items;
    int32_t Selected = -1;
    int32_t Item_Height = 0; // 0: the font's line height
    int32_t Drop_Extent = 0; // the most height the open list may take
    WINDOW_HANDLE Drop = NO_WINDOW;
    int32_t Hot = -1; // the line under the pointer or the keys in the open list
    int32_t Top = 0;  // the first line the open list shows
    bool Dragging_Thumb = false;
    int32_t Thumb_Grab = 0;
};

CONTROL_STATE_TABLE<COMBO_STATE> combo_states;
const char* const DROP_LIST_CLASS = "ComboDropList";
constexpr int32_t MOST_LIST_LINES = 10;
constexpr int32_t FACE_PADDING = 6;
constexpr int32_t WHEEL_LINES = 3;

bool Is_Owner_Drawn(WINDOW_HANDLE combo) {
    return (Get_Window_Style(combo) & CONTROL_OWNER_DRAW) != 0;
}

int32_t Item_Height(WINDOW_HANDLE combo, const COMBO_STATE& state) {
    return state.Item_Height > 0 ? state.Item_Height : Get_Control_Line_Height(combo);
}

int32_t Face_Height(WINDOW_HANDLE combo, const COMBO_STATE& state) {
    return Item_Height(combo, state) + FACE_PADDING;
}

// Keeps the face its natural height; what a template gave beyond it is the
// open list's room.
void Fit_Face(WINDOW_HANDLE combo, COMBO_STATE* state) {
    if (Is_Owner_Drawn(combo))
        state->Item_Height = Ask_Parent_Item_Height(combo, CONTROL_COMBO_BOX, Get_Control_Line_Height(combo));
    RECT_AREA rect;
    Get_Window_Rect(combo, &rect);
    const WINDOW_HANDLE parent = Get_Parent_Window(combo);
    int32_t left = rect.Left, top = rect.Top;
    Screen_To_Client(parent, &left, &top);
    const int32_t height = rect.Bottom - rect.Top, face = Face_Height(combo, *state);
    if (height > face) state->Drop_Extent = std::max(state->Drop_Extent, height - face);
    if (height != face) Move_Window(combo, {left, top, left + rect.Right - rect.Left, top + face});
}

int32_t Visible_Lines(WINDOW_HANDLE combo, const COMBO_STATE& state) {
    const int32_t count = static_cast<int32_t>(state.Items.size());
    int32_t lines = std::clamp(count, 1, MOST_LIST_LINES);
    if (state.Drop_Extent > 0) lines = std::clamp(state.Drop_Extent / Item_Height(combo, state), 1, lines);
    return lines;
}

SCROLL_RANGE Range_Of(WINDOW_HANDLE combo, const COMBO_STATE& state) {
    return {state.Top, Visible_Lines(combo, state), static_cast<int32_t>(state.Items.size())};
}

bool List_Has_Scroll_Bar(WINDOW_HANDLE combo, const COMBO_STATE& state) {
    return static_cast<int32_t>(state.Items.size()) > Visible_Lines(combo, state);
}

void Set_Selection(WINDOW_HANDLE combo, COMBO_STATE* state, int32_t index) {
    state->Selected = Is_List_Index(state->Items, index) ? index : -1;
    Set_Window_Text(
        combo, state->Selected >= 0 ? state->Items[static_cast<size_t>(state->Selected)].Text.c_str() : "");
    Invalidate_Window(combo, nullptr);
}

void User_Choose(WINDOW_HANDLE combo, COMBO_STATE* state, int32_t index) {
    if (!Is_List_Index(state->Items, index) || index == state->Selected) return;
    Set_Selection(combo, state, index);
    Notify_Parent(combo, NOTIFY_COMBO_SELECTION_CHANGE);
}

void Close_List(WINDOW_HANDLE combo, COMBO_STATE* state, bool choose) {
    if (state->Drop == NO_WINDOW) return;
    const WINDOW_HANDLE drop = state->Drop;
    state->Drop = NO_WINDOW;
    if (Get_Capture() == drop) Release_Capture();
    if (Is_Window(drop)) Destroy_Window(drop);
    Invalidate_Window(combo, nullptr);
    if (choose) User_Choose(combo, state, state->Hot);
    Notify_Parent(combo, NOTIFY_COMBO_CLOSE_UP);
}

void Scroll_List_To(WINDOW_HANDLE combo, COMBO_STATE* state, int32_t top) {
    const int32_t clamped = Clamp_Scroll_First(Range_Of(combo, *state), top);
    if (clamped != state->Top && state->Drop != NO_WINDOW) Invalidate_Window(state->Drop, nullptr);
    state->Top = clamped;
}

void Show_Hot(WINDOW_HANDLE combo, COMBO_STATE* state, int32_t hot) {
    const int32_t count = static_cast<int32_t>(state->Items.size());
    if (count == 0) return;
    hot = std::clamp(hot, 0, count - 1);
    const int32_t lines = Visible_Lines(combo, *state);
    if (hot < state->Top) Scroll_List_To(combo, state, hot);
    if (hot >= state->Top + lines) Scroll_List_To(combo, state, hot - lines + 1);
    if (hot != state->Hot && state->Drop != NO_WINDOW) Invalidate_Window(state->Drop, nullptr);
    state->Hot = hot;
}

void Open_List(WINDOW_HANDLE combo, COMBO_STATE* state) {
    if (state->Drop != NO_WINDOW || !Is_Window_Enabled(combo)) return;
    Notify_Parent(combo, NOTIFY_COMBO_DROP_DOWN);
    if (!Is_Window(combo)) return;
    RECT_AREA face, area;
    Get_Window_Rect(combo, &face);
    Get_Platform_Backend().Get_Work_Area(&area);
    const int32_t height = Visible_Lines(combo, *state) * Item_Height(combo, *state) + 2 * BORDER_WIDTH;
    RECT_AREA rect = {face.Left, face.Bottom, face.Right, face.Bottom + height};
    if (rect.Bottom > area.Bottom && face.Top - height >= area.Top)
        rect = {face.Left, face.Top - height, face.Right, face.Top};
    const WINDOW_HANDLE drop = Create_Window(DROP_LIST_CLASS, "", WINDOW_POPUP | WINDOW_BORDER, rect,
                                             Get_Top_Level_Window(combo), 0, static_cast<intptr_t>(combo));
    if (drop == NO_WINDOW) return;
    state->Drop = drop;
    state->Top = 0;
    state->Hot = -1;
    Show_Hot(combo, state, std::max(0, state->Selected));
    Show_Window(drop, true);
    Set_Capture(drop);
    Invalidate_Window(combo, nullptr);
}

RECT_AREA Face_Text_Rect(WINDOW_HANDLE combo) {
    RECT_AREA client;
    Get_Client_Rect(combo, &client);
    return {client.Left + 3, client.Top + 3, client.Right - 2 - SCROLL_BAR_SIZE - 1, client.Bottom - 3};
}

void Paint_Face(WINDOW_HANDLE combo, const COMBO_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(combo, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(combo, &client);
    const bool enabled = Is_Window_Enabled(combo);
    const DRAWING_BRUSH* brush = nullptr;
    if (enabled)
        brush =
            Ask_Parent_For_Colours(combo, MSG_CONTROL_COLOUR_LIST_BOX, dc,
                                   Get_System_Colour(COLOUR_WINDOW_TEXT), Get_System_Colour(COLOUR_WINDOW));
    else
        brush = Ask_Parent_For_Colours(combo, MSG_CONTROL_COLOUR_STATIC, dc,
                                       Get_System_Colour(COLOUR_GRAY_TEXT), Get_System_Colour(COLOUR_FACE));
    const RECT_AREA inner = Draw_Sunken_Edge(dc, client);
    Fill_Control_Background(dc, inner, brush, dc->State.Background_Colour);
    const COLOUR_VALUE text_colour = enabled ? dc->State.Text_Colour : Get_System_Colour(COLOUR_GRAY_TEXT);
    Draw_Frame_Control(dc, {inner.Right - SCROLL_BAR_SIZE, inner.Top, inner.Right, inner.Bottom},
                       FRAME_COMBO_ARROW,
                       (state.Drop != NO_WINDOW ? FRAME_PUSHED : 0) | (enabled ? 0 : FRAME_INACTIVE));
    const RECT_AREA text_rect = Face_Text_Rect(combo);
    const bool focused = Get_Focus() == combo && state.Drop == NO_WINDOW;
    Select_Control_Font(dc, combo);
    if (Is_Owner_Drawn(combo)) {
        uint32_t item_state = ITEM_COMBO_FACE | (focused ? ITEM_SELECTED | ITEM_FOCUSED : 0);
        if (!enabled) item_state |= ITEM_DISABLED;
        const intptr_t data = state.Selected >= 0 ? state.Items[static_cast<size_t>(state.Selected)].Data : 0;
        Ask_Parent_To_Draw_Item(combo, CONTROL_COMBO_BOX, dc, state.Selected, data, item_state, text_rect);
    } else {
        if (focused) Fill_Surface_Area(dc, text_rect, Get_System_Colour(COLOUR_HIGHLIGHT));
        RECT_AREA area;
        uint32_t flags = 0;
        Get_Combo_Face_Text_Layout(combo, &area, &flags);
        if (state.Selected >= 0)
            Draw_Coloured_Text(dc, state.Items[static_cast<size_t>(state.Selected)].Text, area, flags,
                               focused ? Get_System_Colour(COLOUR_HIGHLIGHT_TEXT) : text_colour);
        if (focused) Draw_Focus_Rect(dc, text_rect);
    }
    End_Paint(combo, &paint);
}

// The open list, painted and driven for its combo box.
RECT_AREA List_Scroll_Bar(WINDOW_HANDLE drop) {
    RECT_AREA client;
    Get_Client_Rect(drop, &client);
    return {client.Right - SCROLL_BAR_SIZE, 0, client.Right, client.Bottom};
}

int32_t List_Line_At(WINDOW_HANDLE combo, const COMBO_STATE& state, int32_t y) {
    const int32_t index = state.Top + y / Item_Height(combo, state);
    return y >= 0 && Is_List_Index(state.Items, index) ? index : -1;
}

void Paint_List(WINDOW_HANDLE drop, WINDOW_HANDLE combo, const COMBO_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(drop, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(drop, &client);
    Fill_Surface_Area(dc, client, Get_System_Colour(COLOUR_WINDOW));
    const bool bar = List_Has_Scroll_Bar(combo, state);
    const int32_t right = bar ? client.Right - SCROLL_BAR_SIZE : client.Right;
    const int32_t height = Item_Height(combo, state);
    Select_Control_Font(dc, combo);
    for (int32_t line = 0; line <= Visible_Lines(combo, state); ++line) {
        const int32_t i = state.Top + line;
        if (!Is_List_Index(state.Items, i)) break;
        const RECT_AREA rect = {0, line * height, right, (line + 1) * height};
        const bool hot = i == state.Hot;
        if (Is_Owner_Drawn(combo)) {
            Ask_Parent_To_Draw_Item(combo, CONTROL_COMBO_BOX, dc, i, state.Items[static_cast<size_t>(i)].Data,
                                    hot ? ITEM_SELECTED | ITEM_FOCUSED : 0, rect);
            continue;
        }
        if (hot) Fill_Surface_Area(dc, rect, Get_System_Colour(COLOUR_HIGHLIGHT));
        Draw_Coloured_Text(dc, state.Items[static_cast<size_t>(i)].Text,
                           {rect.Left + 2, rect.Top, rect.Right, rect.Bottom},
                           TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE | TEXT_NO_PREFIX,
                           Get_System_Colour(hot ? COLOUR_HIGHLIGHT_TEXT : COLOUR_WINDOW_TEXT));
    }
    if (bar) Draw_Scroll_Bar(dc, List_Scroll_Bar(drop), true, Range_Of(combo, state), true);
    End_Paint(drop, &paint);
}

intptr_t Drop_List_Procedure(WINDOW_HANDLE drop, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_CREATE) {
        Set_Window_Data(drop, 0, lparam);
        return 0;
    }
    const WINDOW_HANDLE combo = static_cast<WINDOW_HANDLE>(Get_Window_Data(drop, 0));
    COMBO_STATE* state = combo_states.Find(combo);
    if (state == nullptr || state->Drop != drop) return Default_Window_Procedure(drop, code, wparam, lparam);
    RECT_AREA client;
    Get_Client_Rect(drop, &client);
    const int32_t x = Point_X(lparam), y = Point_Y(lparam);
    const bool bar = List_Has_Scroll_Bar(combo, *state);
    const RECT_AREA bar_rect = List_Scroll_Bar(drop);
    switch (code) {
    case MSG_PAINT:
        Paint_List(drop, combo, *state);
        return 0;
    case MSG_MOUSE_MOVE:
        if (state->Dragging_Thumb) {
            Scroll_List_To(combo, state,
                           Scroll_First_For_Thumb(bar_rect, true, Range_Of(combo, *state),
                                                  y - state->Thumb_Grab - SCROLL_BAR_SIZE));
        } else if (Is_Point_In_Rect(client, x, y) && !(bar && Is_Point_In_Rect(bar_rect, x, y))) {
            const int32_t line = List_Line_At(combo, *state, y);
            if (line >= 0) Show_Hot(combo, state, line);
        }
        return 0;
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE:
        if (!Is_Point_In_Rect(client, x, y)) {
            Close_List(combo, state, false);
        } else if (bar && Is_Point_In_Rect(bar_rect, x, y)) {
            const SCROLL_RANGE range = Range_Of(combo, *state);
            const int32_t part = Hit_Scroll_Bar(bar_rect, true, range, x, y);
            if (part == SCROLL_THUMB) {
                state->Dragging_Thumb = true;
                state->Thumb_Grab = y - Get_Scroll_Thumb_Rect(bar_rect, true, range).Top;
            } else {
                Scroll_List_To(combo, state, Scroll_By_Part(range, part));
            }
        }
        return 0;
    case MSG_LBUTTON_UP: {
        if (state->Dragging_Thumb) {
            state->Dragging_Thumb = false;
            return 0;
        }
        // The release that follows the press opening the list lands on the face.
        if (!Is_Point_In_Rect(client, x, y) || (bar && Is_Point_In_Rect(bar_rect, x, y))) return 0;
        const int32_t line = List_Line_At(combo, *state, y);
        if (line < 0) return 0;
        state->Hot = line;
        Close_List(combo, state, true);
        return 0;
    }
    case MSG_MOUSE_WHEEL:
        Scroll_List_To(combo, state,
                       state->Top - static_cast<int32_t>(static_cast<intptr_t>(wparam)) * WHEEL_LINES);
        return 0;
    case MSG_KEY_DOWN: {
        const int32_t page = Visible_Lines(combo, *state);
        switch (wparam) {
        case KEY_ESCAPE:
            Close_List(combo, state, false);
            break;
        case KEY_ENTER:
        case KEY_TAB:
            Close_List(combo, state, true);
            break;
        case KEY_UP:
            if ((static_cast<uint32_t>(lparam) & KEY_MODIFIER_ALT) != 0)
                Close_List(combo, state, true);
            else
                Show_Hot(combo, state, state->Hot - 1);
            break;
        case KEY_DOWN:
            Show_Hot(combo, state, state->Hot + 1);
            break;
        case KEY_PAGE_UP:
            Show_Hot(combo, state, state->Hot - page);
            break;
        case KEY_PAGE_DOWN:
            Show_Hot(combo, state, state->Hot + page);
            break;
        case KEY_HOME:
            Show_Hot(combo, state, 0);
            break;
        case KEY_END:
            Show_Hot(combo, state, static_cast<int32_t>(state->Items.size()) - 1);
            break;
        case KEY_F1 + 3:
            Close_List(combo, state, true);
            break;
        default:
            break;
        }
        return 0;
    }
    case MSG_CHAR: {
        const char typed[2] = {static_cast<char>(wparam), 0};
        const int32_t found = Find_List_Item(state->Items, state->Hot, typed, false);
        if (found >= 0) Show_Hot(combo, state, found);
        return 0;
    }
    case MSG_CAPTURE_LOST:
        // Anything that takes the mouse away closes the list.
        Close_List(combo, state, false);
        return 0;
    default:
        return Default_Window_Procedure(drop, code, wparam, lparam);
    }
}

void Handle_Face_Key(WINDOW_HANDLE combo, COMBO_STATE* state, uint32_t key, uint32_t modifiers) {
    const int32_t count = static_cast<int32_t>(state->Items.size());
    if ((key == KEY_DOWN && (modifiers & KEY_MODIFIER_ALT) != 0) || key == KEY_F1 + 3) {
        Open_List(combo, state);
        return;
    }
    if (count == 0) return;
    int32_t to = state->Selected;
    switch (key) {
    case KEY_UP:
    case KEY_LEFT:
        to = std::max(0, state->Selected - 1);
        break;
    case KEY_DOWN:
    case KEY_RIGHT:
        to = std::min(count - 1, state->Selected + 1);
        break;
    case KEY_HOME:
    case KEY_PAGE_UP:
        to = 0;
        break;
    case KEY_END:
    case KEY_PAGE_DOWN:
        to = count - 1;
        break;
    default:
        return;
    }
    User_Choose(combo, state, to);
}

intptr_t Item_Message(WINDOW_HANDLE combo, COMBO_STATE* state, uint32_t code, uintptr_t wparam,
                      intptr_t lparam) {
    const int32_t index = static_cast<int32_t>(static_cast<intptr_t>(wparam));
    switch (code) {
    case MSG_COMBO_ADD_STRING:
    case MSG_COMBO_INSERT_STRING: {
        const bool sorted = code == MSG_COMBO_ADD_STRING && (Get_Window_Style(combo) & CONTROL_SORTED) != 0;
        const int32_t at = Insert_List_Item(&state->Items, code == MSG_COMBO_ADD_STRING ? -1 : index,
                                            reinterpret_cast<const char*>(lparam), sorted);
        if (at >= 0 && state->Selected >= at) ++state->Selected;
        if (state->Drop != NO_WINDOW) Invalidate_Window(state->Drop, nullptr);
        return at;
    }
    case MSG_COMBO_DELETE_STRING:
        if (!Is_List_Index(state->Items, index)) return LIST_ERROR;
        state->Items.erase(state->Items.begin() + index);
        if (state->Selected == index)
            Set_Selection(combo, state, -1);
        else if (state->Selected > index)
            --state->Selected;
        return static_cast<intptr_t>(state->Items.size());
    case MSG_COMBO_RESET_CONTENT:
        Close_List(combo, state, false);
        state->Items.clear();
        Set_Selection(combo, state, -1);
        return 0;
    case MSG_COMBO_GET_COUNT:
        return static_cast<intptr_t>(state->Items.size());
    case MSG_COMBO_GET_TEXT: {
        if (!Is_List_Index(state->Items, index)) return LIST_ERROR;
        if (std::string* out = reinterpret_cast<std::string*>(lparam))
            *out = state->Items[static_cast<size_t>(index)].Text;
        return static_cast<intptr_t>(state->Items[static_cast<size_t>(index)].Text.size());
    }
    case MSG_COMBO_SET_ITEM_DATA:
        if (!Is_List_Index(state->Items, index)) return LIST_ERROR;
        state->Items[static_cast<size_t>(index)].Data = lparam;
        return 0;
    case MSG_COMBO_GET_ITEM_DATA:
        return Is_List_Index(state->Items, index) ? state->Items[static_cast<size_t>(index)].Data
                                                  : LIST_ERROR;
    case MSG_COMBO_SET_CURRENT_SELECTION:
        Set_Selection(combo, state, index);
        return state->Selected >= 0 || index == -1 ? state->Selected : LIST_ERROR;
    case MSG_COMBO_GET_CURRENT_SELECTION:
        return state->Selected;
    case MSG_COMBO_FIND_STRING:
    case MSG_COMBO_FIND_EXACT:
        return Find_List_Item(state->Items, index, reinterpret_cast<const char*>(lparam),
                              code == MSG_COMBO_FIND_EXACT);
    case MSG_COMBO_SHOW_DROP_DOWN:
        if (wparam != 0)
            Open_List(combo, state);
        else
            Close_List(combo, state, false);
        return 1;
    case MSG_COMBO_GET_DROPPED_STATE:
        return state->Drop != NO_WINDOW ? 1 : 0;
    case MSG_COMBO_SET_ITEM_HEIGHT:
        state->Item_Height = std::max(1, static_cast<int32_t>(lparam));
        Fit_Face(combo, state);
        return 0;
    case MSG_COMBO_GET_ITEM_HEIGHT:
        return Item_Height(combo, *state);
    case MSG_COMBO_GET_DROP_LIST:
        return static_cast<intptr_t>(state->Drop);
    default:
        return Default_Window_Procedure(combo, code, wparam, lparam);
    }
}

intptr_t Combo_Box_Procedure(WINDOW_HANDLE combo, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    COMBO_STATE* state = combo_states.Find(combo);
    if (state == nullptr) {
        if (code == MSG_CREATE) {
            Fit_Face(combo, combo_states.Make(combo));
            return 0;
        }
        return Default_Window_Procedure(combo, code, wparam, lparam);
    }
    switch (code) {
    case MSG_DESTROY: {
        const WINDOW_HANDLE drop = state->Drop;
        state->Drop = NO_WINDOW;
        if (Is_Window(drop)) Destroy_Window(drop);
        combo_states.Free(combo);
        return 0;
    }
    case MSG_PAINT:
        Paint_Face(combo, *state);
        return 0;
    case MSG_SET_FONT:
        Fit_Face(combo, state);
        return 0;
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE:
        Set_Focus(combo);
        if (state->Drop == NO_WINDOW)
            Open_List(combo, state);
        else
            Close_List(combo, state, false);
        return 0;
    case MSG_MOUSE_WHEEL:
        if (Get_Focus() == combo)
            Handle_Face_Key(combo, state, static_cast<intptr_t>(wparam) > 0 ? KEY_UP : KEY_DOWN, 0);
        return 0;
    case MSG_KEY_DOWN:
        Handle_Face_Key(combo, state, static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam));
        return 0;
    case MSG_CHAR: {
        const char typed[2] = {static_cast<char>(wparam), 0};
        const int32_t found = Find_List_Item(state->Items, state->Selected, typed, false);
        if (found >= 0) User_Choose(combo, state, found);
        return 0;
    }
    case MSG_GET_DIALOG_CODE:
        return DIALOG_WANTS_ARROWS;
    case MSG_SET_FOCUS:
    case MSG_KILL_FOCUS:
        if (code == MSG_KILL_FOCUS) Close_List(combo, state, false);
        Invalidate_Window(combo, nullptr);
        Notify_Parent(combo, code == MSG_SET_FOCUS ? NOTIFY_COMBO_SET_FOCUS : NOTIFY_COMBO_KILL_FOCUS);
        return 0;
    case MSG_ENABLE:
        if (wparam == 0) Close_List(combo, state, false);
        Invalidate_Window(combo, nullptr);
        return 0;
    case MSG_SET_TEXT:
    case MSG_SIZE:
    case MSG_SET_REDRAW:
        Invalidate_Window(combo, nullptr);
        return 0;
    default:
        return Item_Message(combo, state, code, wparam, lparam);
    }
}
} // namespace

bool Get_Combo_Face_Text_Layout(WINDOW_HANDLE combo, RECT_AREA* area, uint32_t* flags) {
    if (Get_Control_Kind(combo) != CONTROL_COMBO_BOX || Is_Owner_Drawn(combo)) return false;
    const RECT_AREA text_rect = Face_Text_Rect(combo);
    *area = {text_rect.Left + 2, text_rect.Top, text_rect.Right, text_rect.Bottom};
    *flags = TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE | TEXT_NO_PREFIX;
    return true;
}

void Register_Combo_Box_Control() {
    Register_Window_Class(Get_Control_Class_Name(CONTROL_COMBO_BOX), Combo_Box_Procedure,
                          Get_System_Colour(COLOUR_WINDOW));
    Register_Window_Class(DROP_LIST_CLASS, Drop_List_Procedure, Get_System_Colour(COLOUR_WINDOW));
}

int32_t Combo_Box_Add_String(WINDOW_HANDLE combo, const char* text) {
    return static_cast<int32_t>(
        Send_Window_Message(combo, MSG_COMBO_ADD_STRING, 0, reinterpret_cast<intptr_t>(text)));
}

void Combo_Box_Reset_Content(WINDOW_HANDLE combo) {
    Send_Window_Message(combo, MSG_COMBO_RESET_CONTENT, 0, 0);
}

int32_t Combo_Box_Get_Count(WINDOW_HANDLE combo) {
    return static_cast<int32_t>(Send_Window_Message(combo, MSG_COMBO_GET_COUNT, 0, 0));
}

std::string Combo_Box_Get_Text(WINDOW_HANDLE combo, int32_t index) {
    std::string text;
    Send_Window_Message(combo, MSG_COMBO_GET_TEXT, static_cast<uintptr_t>(index),
                        reinterpret_cast<intptr_t>(&text));
    return text;
}

void Combo_Box_Set_Item_Data(WINDOW_HANDLE combo, int32_t index, intptr_t data) {
    Send_Window_Message(combo, MSG_COMBO_SET_ITEM_DATA, static_cast<uintptr_t>(index), data);
}

intptr_t Combo_Box_Get_Item_Data(WINDOW_HANDLE combo, int32_t index) {
    return Send_Window_Message(combo, MSG_COMBO_GET_ITEM_DATA, static_cast<uintptr_t>(index), 0);
}

void Combo_Box_Set_Current_Selection(WINDOW_HANDLE combo, int32_t index) {
    Send_Window_Message(combo, MSG_COMBO_SET_CURRENT_SELECTION, static_cast<uintptr_t>(index), 0);
}

int32_t Combo_Box_Get_Current_Selection(WINDOW_HANDLE combo) {
    return static_cast<int32_t>(Send_Window_Message(combo, MSG_COMBO_GET_CURRENT_SELECTION, 0, 0));
}
