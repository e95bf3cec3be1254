// Push buttons, check boxes, radio buttons and group boxes.
#include <algorithm>

#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
struct BUTTON_STATE {
    bool Pressed = false; // the left button went down on it and is held
    bool Hot = false;     // ... with the pointer over it
    int32_t Check = BUTTON_UNCHECKED;
};

CONTROL_STATE_TABLE<BUTTON_STATE> button_states;
constexpr int32_t BOX_SIZE = 13;
constexpr int32_t BOX_GAP = 4;
constexpr int32_t BUTTON_MARGIN = 4; // each side of a push button's label

bool Is_Kind(WINDOW_HANDLE window, CONTROL_KIND kind) {
    return Get_Control_Kind(window) == kind;
}

COLOUR_VALUE Text_Colour_Of(WINDOW_HANDLE window) {
    return Get_System_Colour(Is_Window_Enabled(window) ? COLOUR_WINDOW_TEXT : COLOUR_GRAY_TEXT);
}

// The radio buttons of the window's group: neighbours among its siblings up
// to a control marked as starting a group or one of another kind.
std::vector<WINDOW_HANDLE> Radio_Group_Of(WINDOW_HANDLE window) {
    const std::vector<WINDOW_HANDLE> siblings = Get_Child_Windows(Get_Parent_Window(window));
    const auto at = std::find(siblings.begin(), siblings.end(), window);
    if (at == siblings.end()) return {window};
    size_t first = static_cast<size_t>(at - siblings.begin());
    while (first > 0 && (Get_Window_Style(siblings[first]) & CONTROL_GROUP) == 0 &&
           Is_Kind(siblings[first - 1], CONTROL_RADIO_BUTTON))
        --first;
    std::vector<WINDOW_HANDLE> group = {siblings[first]};
    for (size_t i = first + 1; i < siblings.size(); ++i) {
        if (!Is_Kind(siblings[i], CONTROL_RADIO_BUTTON) ||
            (Get_Window_Style(siblings[i]) & CONTROL_GROUP) != 0)
            break;
        group.push_back(siblings[i]);
    }
    return group;
}

void Set_Check(WINDOW_HANDLE window, int32_t check) {
    BUTTON_STATE* state = button_states.Find(window);
    if (state == nullptr || state->Check == check) return;
    state->Check = check;
    Invalidate_Window(window, nullptr);
}

void Click(WINDOW_HANDLE window) {
    BUTTON_STATE* state = button_states.Find(window);
    if (state == nullptr || !Is_Window_Enabled(window)) return;
    if (Is_Kind(window, CONTROL_CHECK_BOX)) {
        Set_Check(window, state->Check == BUTTON_CHECKED ? BUTTON_UNCHECKED : BUTTON_CHECKED);
    } else if (Is_Kind(window, CONTROL_RADIO_BUTTON)) {
        for (WINDOW_HANDLE other : Radio_Group_Of(window))
            Set_Check(other, other == window ? BUTTON_CHECKED : BUTTON_UNCHECKED);
    }
    Notify_Parent(window, NOTIFY_BUTTON_CLICKED);
}

void Paint_Push_Button(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const BUTTON_STATE& state) {
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    const bool strong = (Get_Window_Style(window) & CONTROL_DEFAULT_BUTTON) != 0 || Get_Focus() == window;
    RECT_AREA body = client;
    if (strong) {
        Draw_Focus_Rect(dc, client);
        Fill_Surface_Area(dc, {client.Left, client.Top, client.Right, client.Top + 1},
                          Get_System_Colour(COLOUR_DARK_SHADOW));
        Fill_Surface_Area(dc, {client.Left, client.Bottom - 1, client.Right, client.Bottom},
                          Get_System_Colour(COLOUR_DARK_SHADOW));
        Fill_Surface_Area(dc, {client.Left, client.Top, client.Left + 1, client.Bottom},
                          Get_System_Colour(COLOUR_DARK_SHADOW));
        Fill_Surface_Area(dc, {client.Right - 1, client.Top, client.Right, client.Bottom},
                          Get_System_Colour(COLOUR_DARK_SHADOW));
        body = {client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1};
    }
    const bool down = state.Pressed && state.Hot;
    Draw_Frame_Control(dc, body, FRAME_BUTTON, down ? FRAME_PUSHED : 0);
    Select_Control_Font(dc, window);
    RECT_AREA label;
    uint32_t flags = 0;
    Get_Button_Text_Layout(window, &label, &flags);
    if (down) label = Offset_Rect(label, 1, 1);
    Draw_Coloured_Text(dc, Get_Window_Text(window), label, flags, Text_Colour_Of(window));
    if (Get_Focus() == window)
        Draw_Focus_Rect(dc, {body.Left + 3, body.Top + 3, body.Right - 3, body.Bottom - 3});
}

// Check boxes and radio buttons: a box at the left and the label after it.
void Paint_Check_Or_Radio(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const BUTTON_STATE& state, bool radio) {
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    const DRAWING_BRUSH* brush = Ask_Parent_For_Colours(
        window, MSG_CONTROL_COLOUR_STATIC, dc, Text_Colour_Of(window), Get_System_Colour(COLOUR_FACE));
    if (brush != nullptr) Fill_Area_With_Brush(dc, client, brush);
    const COLOUR_VALUE text_colour =
        Is_Window_Enabled(window) ? dc->State.Text_Colour : Get_System_Colour(COLOUR_GRAY_TEXT);
    const int32_t box_top = client.Top + (client.Bottom - client.Top - BOX_SIZE) / 2;
    uint32_t frame = 0;
    if (state.Check == BUTTON_CHECKED) frame |= FRAME_CHECKED;
    if (state.Check == BUTTON_INDETERMINATE) frame |= FRAME_INDETERMINATE;
    if (!Is_Window_Enabled(window)) frame |= FRAME_INACTIVE;
    if (state.Pressed && state.Hot) frame |= FRAME_PUSHED;
    Draw_Frame_Control(dc, {client.Left, box_top, client.Left + BOX_SIZE, box_top + BOX_SIZE},
                       radio ? FRAME_RADIO_BUTTON : FRAME_CHECK_BOX, frame);
    Select_Control_Font(dc, window);
    const std::string text = Get_Window_Text(window);
    RECT_AREA label;
    uint32_t flags = 0;
    Get_Button_Text_Layout(window, &label, &flags);
    Draw_Coloured_Text(dc, text, label, flags, text_colour);
    if (Get_Focus() == window && !text.empty()) {
        const int32_t height = Get_Control_Line_Height(window);
        const int32_t top = client.Top + (client.Bottom - client.Top - height) / 2;
        const int32_t width = Measure_Control_Text(window, text);
        Draw_Focus_Rect(
            dc, {label.Left - 1, top - 1, std::min(label.Right, label.Left + width + 2), top + height + 1});
    }
}

// A frame round its contents with the caption set into its top edge; the
// parent's picture shows inside it and behind the caption.
void Paint_Group_Box(WINDOW_HANDLE window, DEVICE_CONTEXT* dc) {
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    const DRAWING_BRUSH* brush = Ask_Parent_For_Colours(
        window, MSG_CONTROL_COLOUR_STATIC, dc, Text_Colour_Of(window), Get_System_Colour(COLOUR_FACE));
    const std::string text = Get_Window_Text(window);
    const int32_t line = Get_Control_Line_Height(window);
    Select_Control_Font(dc, window);
    RECT_AREA room;
    uint32_t flags = 0;
    Get_Button_Text_Layout(window, &room, &flags);
    const int32_t width =
        text.empty() ? 0 : std::min(Measure_Control_Text(window, text), room.Right - room.Left) + 4;
    const RECT_AREA caption = {room.Left - 2, client.Top, room.Left - 2 + width, client.Top + line};
    const int32_t top = client.Top + line / 2;
    const COLOUR_VALUE dark = Get_System_Colour(COLOUR_SHADOW), light = Get_System_Colour(COLOUR_LIGHT_EDGE);
    auto top_edge = [&](int32_t y, int32_t from, int32_t to, COLOUR_VALUE colour) {
        Fill_Surface_Area(dc, {from, y, std::min(to, caption.Left), y + 1}, colour);
        Fill_Surface_Area(dc, {std::max(from, caption.Right), y, to, y + 1}, colour);
    };
    top_edge(top, client.Left, client.Right - 1, dark);
    top_edge(top + 1, client.Left + 1, client.Right - 1, light);
    Fill_Surface_Area(dc, {client.Left, top, client.Left + 1, client.Bottom - 1}, dark);
    Fill_Surface_Area(dc, {client.Left + 1, top + 1, client.Left + 2, client.Bottom - 1}, light);
    Fill_Surface_Area(dc, {client.Left, client.Bottom - 2, client.Right, client.Bottom - 1}, dark);
    Fill_Surface_Area(dc, {client.Right - 2, top, client.Right - 1, client.Bottom}, dark);
    Fill_Surface_Area(dc, {client.Left, client.Bottom - 1, client.Right, client.Bottom}, light);
    Fill_Surface_Area(dc, {client.Right - 1, top, client.Right, client.Bottom}, light);
    if (text.empty()) return;
    if (brush != nullptr) Fill_Area_With_Brush(dc, caption, brush);
    const COLOUR_VALUE text_colour =
        Is_Window_Enabled(window) ? dc->State.Text_Colour : Get_System_Colour(COLOUR_GRAY_TEXT);
    Draw_Coloured_Text(dc, text, caption, flags, text_colour);
}

void Paint_Button(WINDOW_HANDLE window, const BUTTON_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return;
    switch (Get_Control_Kind(window)) {
    case CONTROL_CHECK_BOX:
        Paint_Check_Or_Radio(window, dc, state, false);
        break;
    case CONTROL_RADIO_BUTTON:
        Paint_Check_Or_Radio(window, dc, state, true);
        break;
    case CONTROL_GROUP_BOX:
        Paint_Group_Box(window, dc);
        break;
    default:
        Paint_Push_Button(window, dc, state);
        break;
    }
    End_Paint(window, &paint);
}

// Radio buttons move the check along their group with the arrow keys.
void Move_In_Radio_Group(WINDOW_HANDLE window, int32_t step) {
    const std::vector<WINDOW_HANDLE> group = Radio_Group_Of(window);
    const auto at = std::find(group.begin(), group.end(), window);
    if (at == group.end() || group.size() < 2) return;
    const int32_t count = static_cast<int32_t>(group.size());
    int32_t index = static_cast<int32_t>(at - group.begin());
    for (int32_t tries = 1; tries < count; ++tries) {
        index = (index + step + count) % count;
        const WINDOW_HANDLE next = group[static_cast<size_t>(index)];
        if (!Is_Window_Enabled(next) || !Is_Window_Shown(next)) continue;
        Set_Focus(next);
        Click(next);
        return;
    }
}

intptr_t Button_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    BUTTON_STATE* state = button_states.Find(window);
    const bool group_box = Is_Kind(window, CONTROL_GROUP_BOX);
    switch (code) {
    case MSG_CREATE:
        button_states.Make(window);
        if (!Is_Kind(window, CONTROL_PUSH_BUTTON))
            Set_Window_Style(window, Get_Window_Style(window) | WINDOW_TRANSPARENT);
        return 0;
    case MSG_DESTROY:
        button_states.Free(window);
        return 0;
    case MSG_PAINT:
        if (state != nullptr) Paint_Button(window, *state);
        return 0;
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE:
        if (state == nullptr || group_box) return 0;
        Set_Focus(window);
        state->Pressed = state->Hot = true;
        Set_Capture(window);
        Invalidate_Window(window, nullptr);
        return 0;
    case MSG_MOUSE_MOVE:
        if (state != nullptr && state->Pressed) {
            RECT_AREA client;
            Get_Client_Rect(window, &client);
            const bool hot = Is_Point_In_Rect(client, Point_X(lparam), Point_Y(lparam));
            if (hot != state->Hot) {
                state->Hot = hot;
                Invalidate_Window(window, nullptr);
            }
        }
        return 0;
    case MSG_LBUTTON_UP: {
        if (state == nullptr || !state->Pressed) return 0;
        RECT_AREA client;
        Get_Client_Rect(window, &client);
        const bool inside = Is_Point_In_Rect(client, Point_X(lparam), Point_Y(lparam));
        state->Pressed = state->Hot = false;
        if (Get_Capture() == window) Release_Capture();
        Invalidate_Window(window, nullptr);
        if (inside) Click(window);
        return 0;
    }
    case MSG_CAPTURE_LOST:
        if (state != nullptr && state->Pressed) {
            state->Pressed = state->Hot = false;
            Invalidate_Window(window, nullptr);
        }
        return 0;
    case MSG_KEY_DOWN:
        if (state == nullptr || group_box) return 0;
        if (wparam == KEY_SPACE) {
            Click(window);
        } else if (Is_Kind(window, CONTROL_RADIO_BUTTON) && (wparam == KEY_DOWN || wparam == KEY_RIGHT)) {
            Move_In_Radio_Group(window, 1);
        } else if (Is_Kind(window, CONTROL_RADIO_BUTTON) && (wparam == KEY_UP || wparam == KEY_LEFT)) {
            Move_In_Radio_Group(window, -1);
        }
        return 0;
    case MSG_KILL_FOCUS:
        Invalidate_Window(window, nullptr);
        return 0;
    case MSG_GET_DIALOG_CODE:
        return Is_Kind(window, CONTROL_RADIO_BUTTON) ? DIALOG_WANTS_ARROWS : 0;
    case MSG_HIT_TEST:
        // A group box lets the mouse through to the dialog under it.
        return group_box ? HIT_TRANSPARENT : HIT_CLIENT;
    case MSG_SET_FOCUS:
    case MSG_ENABLE:
    case MSG_SET_TEXT:
        Invalidate_Window(window, nullptr);
        return 0;
    case MSG_BUTTON_GET_CHECK:
        return state != nullptr ? state->Check : 0;
    case MSG_BUTTON_SET_CHECK:
        Set_Check(window, static_cast<int32_t>(wparam));
        return 0;
    case MSG_BUTTON_CLICK:
        Click(window);
        return 0;
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}
} // namespace

bool Get_Button_Text_Layout(WINDOW_HANDLE window, RECT_AREA* area, uint32_t* flags) {
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    switch (Get_Control_Kind(window)) {
    case CONTROL_PUSH_BUTTON:
        // Inside the edges and the focus rectangle, whether or not the
        // button is the default one.
        *area = {client.Left + BUTTON_MARGIN, client.Top + 1, client.Right - BUTTON_MARGIN,
                 client.Bottom - 1};
        *flags = TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
        return true;
    case CONTROL_CHECK_BOX:
    case CONTROL_RADIO_BUTTON:
        *area = {client.Left + BOX_SIZE + BOX_GAP, client.Top, client.Right, client.Bottom};
        *flags = TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE;
        return true;
    case CONTROL_GROUP_BOX:
        // The caption is set into the top edge, clear of both corners.
        *area = {client.Left + 8, client.Top, client.Right - 8, client.Top + Get_Control_Line_Height(window)};
        *flags = TEXT_CENTRE | TEXT_SINGLE_LINE;
        return true;
    default:
        return false;
    }
}

void Register_Button_Controls() {
    for (CONTROL_KIND kind :
         {CONTROL_PUSH_BUTTON, CONTROL_CHECK_BOX, CONTROL_RADIO_BUTTON, CONTROL_GROUP_BOX})
        Register_Window_Class(Get_Control_Class_Name(kind), Button_Procedure, Get_System_Colour(COLOUR_FACE));
}

int32_t Is_Dialog_Button_Checked(WINDOW_HANDLE dialog, int32_t id) {
    return static_cast<int32_t>(Send_Dialog_Item_Message(dialog, id, MSG_BUTTON_GET_CHECK, 0, 0));
}

void Check_Dialog_Button(WINDOW_HANDLE dialog, int32_t id, int32_t state) {
    Send_Dialog_Item_Message(dialog, id, MSG_BUTTON_SET_CHECK, static_cast<uintptr_t>(state), 0);
}

void Check_Radio_Button(WINDOW_HANDLE dialog, int32_t first, int32_t last, int32_t id) {
    for (int32_t button = first; button <= last; ++button)
        Check_Dialog_Button(dialog, button, button == id ? BUTTON_CHECKED : BUTTON_UNCHECKED);
}
