#include "platform/basic_controls.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/label_drawing.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
constexpr COLOUR_VALUE FACE_COLOUR = Make_Colour(225, 225, 225);
constexpr COLOUR_VALUE EDGE_COLOUR = Make_Colour(120, 120, 120);
constexpr COLOUR_VALUE FOCUS_EDGE_COLOUR = Make_Colour(40, 90, 170);
constexpr COLOUR_VALUE TEXT_COLOUR = Make_Colour(0, 0, 0);
constexpr COLOUR_VALUE GRAYED_TEXT_COLOUR = Make_Colour(140, 140, 140);
constexpr COLOUR_VALUE BAR_COLOUR = Make_Colour(50, 160, 70);
constexpr COLOUR_VALUE DIALOG_COLOUR = Make_Colour(236, 236, 236);

// Progress bar state in the window's data: 0 low, 1 high, 2 position, 3 step.
constexpr int32_t PROGRESS_LOW = 0, PROGRESS_HIGH = 1, PROGRESS_POSITION = 2, PROGRESS_STEP = 3;
// Push button state: 0 pressed with the pointer over it.
constexpr int32_t BUTTON_PRESSED = 0;

void Draw_Outline(DEVICE_CONTEXT* dc, const RECT_AREA& r, COLOUR_VALUE colour) {
    Fill_Surface_Area(dc, {r.Left, r.Top, r.Right, r.Top + 1}, colour);
    Fill_Surface_Area(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, colour);
    Fill_Surface_Area(dc, {r.Left, r.Top, r.Left + 1, r.Bottom}, colour);
    Fill_Surface_Area(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, colour);
}

COLOUR_VALUE Label_Colour(WINDOW_HANDLE window) {
    return Is_Window_Enabled(window) ? TEXT_COLOUR : GRAYED_TEXT_COLOUR;
}

void Click_Button(WINDOW_HANDLE window) {
    const WINDOW_HANDLE parent = Get_Parent_Window(window);
    if (parent != NO_WINDOW)
        Send_Window_Message(parent, MSG_COMMAND, Pack_Command(Get_Window_Id(window), NOTIFY_BUTTON_CLICKED),
                            static_cast<intptr_t>(window));
}

intptr_t Push_Button_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    switch (code) {
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
        if (dc == nullptr) return 0;
        const bool pressed = Get_Window_Data(window, BUTTON_PRESSED) != 0;
        Fill_Surface_Area(dc, client, pressed ? EDGE_COLOUR : FACE_COLOUR);
        const bool strong = Get_Focus() == window || (Get_Window_Style(window) & CONTROL_DEFAULT_BUTTON) != 0;
        Draw_Outline(dc, client, strong ? FOCUS_EDGE_COLOUR : EDGE_COLOUR);
        Draw_Label(dc, Get_Window_Text(window).c_str(), client,
                   TEXT_CENTRE | TEXT_VERTICAL_CENTRE | TEXT_SINGLE_LINE, Label_Colour(window));
        End_Paint(window, &paint);
        return 0;
    }
    case MSG_LBUTTON_DOWN:
        Set_Window_Data(window, BUTTON_PRESSED, 1);
        Set_Capture(window);
        Invalidate_Window(window, nullptr);
        return 0;
    case MSG_LBUTTON_UP: {
        const bool was_pressed = Get_Window_Data(window, BUTTON_PRESSED) != 0;
        Set_Window_Data(window, BUTTON_PRESSED, 0);
        if (Get_Capture() == window) Release_Capture();
        Invalidate_Window(window, nullptr);
        if (was_pressed && Is_Point_In_Rect(client, Point_X(lparam), Point_Y(lparam))) Click_Button(window);
        return 0;
    }
    case MSG_KEY_DOWN:
        if (wparam == KEY_SPACE) Click_Button(window);
        return 0;
    case MSG_SET_FOCUS:
    case MSG_KILL_FOCUS:
    case MSG_ENABLE:
    case MSG_SET_TEXT:
        Invalidate_Window(window, nullptr);
        return 0;
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}

intptr_t Static_Text_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_SET_TEXT) {
        Invalidate_Window(window, nullptr);
        return 0;
    }
    if (code != MSG_PAINT) return Default_Window_Procedure(window, code, wparam, lparam);
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return 0;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    const uint32_t flags = (Get_Window_Style(window) & CONTROL_CENTRE_TEXT) != 0 ? TEXT_CENTRE : 0;
    Draw_Label(dc, Get_Window_Text(window).c_str(), client, flags, Label_Colour(window));
    End_Paint(window, &paint);
    return 0;
}

// Frames, group boxes and every kind without a plain version of its own.
intptr_t Framed_Box_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code != MSG_PAINT) return Default_Window_Procedure(window, code, wparam, lparam);
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return 0;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    Draw_Outline(dc, client, EDGE_COLOUR);
    Draw_Label(dc, Get_Window_Text(window).c_str(),
               {client.Left + 6, client.Top, client.Right, client.Top + Get_Label_Line_Height()},
               TEXT_SINGLE_LINE, Label_Colour(window));
    End_Paint(window, &paint);
    return 0;
}

intptr_t Progress_Bar_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    const intptr_t low = Get_Window_Data(window, PROGRESS_LOW);
    const intptr_t high = Get_Window_Data(window, PROGRESS_HIGH);
    auto set_position = [&](intptr_t position) {
        const intptr_t previous = Get_Window_Data(window, PROGRESS_POSITION);
        Set_Window_Data(window, PROGRESS_POSITION, std::clamp(position, low, std::max(low, high)));
        Invalidate_Window(window, nullptr);
        return previous;
    };
    switch (code) {
    case MSG_CREATE:
        Set_Window_Data(window, PROGRESS_HIGH, 100);
        Set_Window_Data(window, PROGRESS_STEP, 10);
        return 0;
    case MSG_PROGRESS_SET_RANGE:
        Set_Window_Data(window, PROGRESS_LOW, static_cast<intptr_t>(wparam));
        Set_Window_Data(window, PROGRESS_HIGH, lparam);
        set_position(Get_Window_Data(window, PROGRESS_POSITION));
        return 1;
    case MSG_PROGRESS_SET_STEP: {
        const intptr_t previous = Get_Window_Data(window, PROGRESS_STEP);
        Set_Window_Data(window, PROGRESS_STEP, static_cast<intptr_t>(wparam));
        return previous;
    }
    case MSG_PROGRESS_STEP:
        return set_position(Get_Window_Data(window, PROGRESS_POSITION) +
                            Get_Window_Data(window, PROGRESS_STEP));
    case MSG_PROGRESS_SET_POSITION:
        return set_position(static_cast<intptr_t>(wparam));
    case MSG_PROGRESS_GET_POSITION:
        return Get_Window_Data(window, PROGRESS_POSITION);
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
        if (dc == nullptr) return 0;
        RECT_AREA client;
        Get_Client_Rect(window, &client);
        Fill_Surface_Area(dc, client, FACE_COLOUR);
        const intptr_t span = high - low;
        const intptr_t done = Get_Window_Data(window, PROGRESS_POSITION) - low;
        if (span > 0 && done > 0) {
            const int32_t inner = client.Right - client.Left - 2;
            const int32_t filled = static_cast<int32_t>(static_cast<int64_t>(inner) * done / span);
            Fill_Surface_Area(dc, {1, 1, 1 + filled, client.Bottom - 1}, BAR_COLOUR);
        }
        Draw_Outline(dc, client, EDGE_COLOUR);
        End_Paint(window, &paint);
        return 0;
    }
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}

void Register_If_Free(CONTROL_KIND kind, WINDOW_PROCEDURE procedure) {
    const char* name = Get_Control_Class_Name(kind);
    if (!Is_Window_Class_Registered(name)) Register_Window_Class(name, procedure, DIALOG_COLOUR);
}
} // namespace

void Register_Basic_Controls() {
    Register_If_Free(CONTROL_PUSH_BUTTON, Push_Button_Procedure);
    Register_If_Free(CONTROL_STATIC_TEXT, Static_Text_Procedure);
    Register_If_Free(CONTROL_PROGRESS_BAR, Progress_Bar_Procedure);
    for (int32_t kind = 0; kind < CONTROL_KIND_COUNT; ++kind)
        Register_If_Free(static_cast<CONTROL_KIND>(kind), Framed_Box_Procedure);
}
