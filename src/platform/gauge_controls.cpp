// Small controls: the progress bar, the up-down (spin) buttons and the size
// grip.
#include <algorithm>
#include <cstdio>

#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/controls.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
struct GAUGE_STATE {
    int32_t Low = 0;
    int32_t High = 100;
    int32_t Position = 0;
    int32_t Step = 10;
    WINDOW_HANDLE Buddy = NO_WINDOW;
    int32_t Pressed = 0; // up-downs: 1 the upper arrow, -1 the lower, 0 none
};

CONTROL_STATE_TABLE<GAUGE_STATE> gauge_states;

intptr_t Common_Gauge_Message(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_CREATE:
        gauge_states.Make(window);
        return 0;
    case MSG_DESTROY:
        gauge_states.Free(window);
        return 0;
    case MSG_ENABLE:
        Invalidate_Window(window, nullptr);
        return 0;
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}

// The bar's inside (within its sunken edge) and how many pixels of it the
// position fills.
struct PROGRESS_GEOMETRY {
    RECT_AREA Inside;
    int32_t Filled;
};

PROGRESS_GEOMETRY Get_Progress_Geometry(WINDOW_HANDLE window, const GAUGE_STATE& state) {
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    // The edge is not drawn here, only measured.
    PROGRESS_GEOMETRY geometry{Draw_Sunken_Edge(nullptr, client), 0};
    const int64_t span = static_cast<int64_t>(state.High) - state.Low;
    const int64_t done = static_cast<int64_t>(state.Position) - state.Low;
    if (span > 0 && done > 0) {
        const int32_t width = geometry.Inside.Right - geometry.Inside.Left - 2;
        geometry.Filled = static_cast<int32_t>(width * std::min(done, span) / span);
    }
    return geometry;
}

intptr_t Set_Progress_Position(WINDOW_HANDLE window, GAUGE_STATE* state, int64_t position) {
    const intptr_t previous = state->Position;
    const int32_t before = Get_Progress_Geometry(window, *state).Filled;
    state->Position =
        static_cast<int32_t>(std::clamp<int64_t>(position, state->Low, std::max(state->Low, state->High)));
    // Only the stretch between the old and the new end of the filling
    // changes: a step repaints that, and nothing when it moves no pixel.
    const PROGRESS_GEOMETRY after = Get_Progress_Geometry(window, *state);
    if (after.Filled != before) {
        const RECT_AREA changed{after.Inside.Left + 1 + std::min(before, after.Filled), after.Inside.Top,
                                after.Inside.Left + 1 + std::max(before, after.Filled), after.Inside.Bottom};
        Invalidate_Window(window, &changed);
    }
    return previous;
}

void Paint_Progress_Bar(WINDOW_HANDLE window, const GAUGE_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    const RECT_AREA inside = Draw_Sunken_Edge(dc, client);
    Fill_Surface_Area(dc, inside, Get_System_Colour(COLOUR_FACE));
    const int32_t filled = Get_Progress_Geometry(window, state).Filled;
    // Blocks a little narrower than the bar is high, with a gap between them.
    const int32_t block = std::max(4, (inside.Bottom - inside.Top) * 2 / 3);
    for (int32_t x = 0; x < filled; x += block + 2)
        Fill_Surface_Area(dc,
                          {inside.Left + 1 + x, inside.Top + 1, inside.Left + 1 + std::min(filled, x + block),
                           inside.Bottom - 1},
                          Get_System_Colour(COLOUR_HIGHLIGHT));
    End_Paint(window, &paint);
}

intptr_t Progress_Bar_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    GAUGE_STATE* state = gauge_states.Find(window);
    if (state == nullptr) return Common_Gauge_Message(window, code, wparam, lparam);
    switch (code) {
    case MSG_PROGRESS_SET_RANGE:
        state->Low = static_cast<int32_t>(wparam);
        state->High = static_cast<int32_t>(lparam);
        Set_Progress_Position(window, state, state->Position);
        Invalidate_Window(window, nullptr); // the whole filling moves with the range
        return 1;
    case MSG_PROGRESS_SET_STEP: {
        const intptr_t previous = state->Step;
        state->Step = static_cast<int32_t>(wparam);
        return previous;
    }
    case MSG_PROGRESS_STEP:
        return Set_Progress_Position(window, state, static_cast<int64_t>(state->Position) + state->Step);
    case MSG_PROGRESS_SET_POSITION:
        return Set_Progress_Position(window, state, static_cast<int32_t>(wparam));
    case MSG_PROGRESS_GET_POSITION:
        return state->Position;
    case MSG_PAINT:
        Paint_Progress_Bar(window, *state);
        return 0;
    default:
        return Common_Gauge_Message(window, code, wparam, lparam);
    }
}

// One press of an arrow: the position moves within the range, the buddy
// follows, and the parent hears of it even when the range held it.
void Press_Up_Down(WINDOW_HANDLE window, GAUGE_STATE* state, int32_t direction) {
    const int32_t low = std::min(state->Low, state->High), high = std::max(state->Low, state->High);
    state->Position = std::clamp(state->Position + direction, low, high);
    if ((Get_Window_Style(window) & CONTROL_BUDDY_INTEGER) != 0 && Is_Window(state->Buddy)) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", state->Position);
        Set_Window_Text(state->Buddy, text);
        Invalidate_Window(state->Buddy, nullptr);
    }
    const WINDOW_HANDLE parent = Get_Parent_Window(window);
    if (parent != NO_WINDOW)
        Send_Window_Message(parent, MSG_VERTICAL_SCROLL,
                            SCROLL_THUMB_POSITION |
                                ((static_cast<uintptr_t>(state->Position) & 0xFFFFu) << 16),
                            static_cast<intptr_t>(window));
}

void Paint_Up_Down(WINDOW_HANDLE window, const GAUGE_STATE& state) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
    if (dc == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    const int32_t middle = client.Bottom / 2;
    const uint32_t inactive = Is_Window_Enabled(window) ? 0 : FRAME_INACTIVE;
    Draw_Frame_Control(dc, {0, 0, client.Right, middle}, FRAME_ARROW_UP,
                       inactive | (state.Pressed == 1 ? FRAME_PUSHED : 0));
    Draw_Frame_Control(dc, {0, middle, client.Right, client.Bottom}, FRAME_ARROW_DOWN,
                       inactive | (state.Pressed == -1 ? FRAME_PUSHED : 0));
    End_Paint(window, &paint);
}

intptr_t Up_Down_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    GAUGE_STATE* state = gauge_states.Find(window);
    if (state == nullptr) {
        const intptr_t result = Common_Gauge_Message(window, code, wparam, lparam);
        if (code == MSG_CREATE && (state = gauge_states.Find(window)) != nullptr &&
            (Get_Window_Style(window) & CONTROL_AUTO_BUDDY) != 0) {
            // The buddy is the control made just before.
            const std::vector<WINDOW_HANDLE> siblings = Get_Child_Windows(Get_Parent_Window(window));
            const auto at = std::find(siblings.begin(), siblings.end(), window);
            if (at != siblings.end() && at != siblings.begin()) state->Buddy = *(at - 1);
        }
        return result;
    }
    switch (code) {
    case MSG_UP_DOWN_SET_RANGE:
        state->Low = static_cast<int32_t>(wparam);
        state->High = static_cast<int32_t>(lparam);
        state->Position =
            std::clamp(state->Position, std::min(state->Low, state->High), std::max(state->Low, state->High));
        return 0;
    case MSG_UP_DOWN_GET_RANGE:
        return static_cast<intptr_t>((static_cast<uint32_t>(state->Low) & 0xFFFFu) |
                                     ((static_cast<uint32_t>(state->High) & 0xFFFFu) << 16));
    case MSG_UP_DOWN_SET_POSITION: {
        const intptr_t previous = state->Position;
        state->Position = std::clamp(static_cast<int32_t>(wparam), std::min(state->Low, state->High),
                                     std::max(state->Low, state->High));
        return previous;
    }
    case MSG_UP_DOWN_GET_POSITION:
        return state->Position;
    case MSG_UP_DOWN_SET_BUDDY: {
        const WINDOW_HANDLE previous = state->Buddy;
        state->Buddy = static_cast<WINDOW_HANDLE>(wparam);
        return static_cast<intptr_t>(previous);
    }
    case MSG_UP_DOWN_GET_BUDDY:
        return static_cast<intptr_t>(state->Buddy);
    case MSG_LBUTTON_DOWN:
    case MSG_LBUTTON_DOUBLE: {
        RECT_AREA client;
        Get_Client_Rect(window, &client);
        state->Pressed = Point_Y(lparam) < client.Bottom / 2 ? 1 : -1;
        Set_Capture(window);
        Invalidate_Window(window, nullptr);
        Press_Up_Down(window, state, state->Pressed);
        return 0;
    }
    case MSG_LBUTTON_UP:
    case MSG_CAPTURE_LOST:
        if (state->Pressed != 0) {
            state->Pressed = 0;
            if (Get_Capture() == window) Release_Capture();
            Invalidate_Window(window, nullptr);
        }
        return 0;
    case MSG_PAINT:
        Paint_Up_Down(window, *state);
        return 0;
    default:
        return Common_Gauge_Message(window, code, wparam, lparam);
    }
}

intptr_t Size_Grip_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_CREATE:
        Set_Window_Style(window, Get_Window_Style(window) | WINDOW_TRANSPARENT);
        return 0;
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
        if (dc == nullptr) return 0;
        RECT_AREA client;
        Get_Client_Rect(window, &client);
        const DRAWING_BRUSH* brush =
            Ask_Parent_For_Colours(window, MSG_CONTROL_COLOUR_SCROLL_BAR, dc,
                                   Get_System_Colour(COLOUR_WINDOW_TEXT), Get_System_Colour(COLOUR_FACE));
        if (brush != nullptr) Fill_Area_With_Brush(dc, client, brush);
        Draw_Frame_Control(dc, client, FRAME_SIZE_GRIP, 0);
        End_Paint(window, &paint);
        return 0;
    }
    case MSG_HIT_TEST:
        // A window that fills the screen cannot be sized by its corner.
        return Get_Window_Show_State(Get_Top_Level_Window(window)) == SHOW_STATE_NORMAL ? HIT_BOTTOM_RIGHT
                                                                                        : HIT_CLIENT;
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}
} // namespace

void Register_Gauge_Controls() {
    const COLOUR_VALUE face = Get_System_Colour(COLOUR_FACE);
    Register_Window_Class(Get_Control_Class_Name(CONTROL_PROGRESS_BAR), Progress_Bar_Procedure, face);
    Register_Window_Class(Get_Control_Class_Name(CONTROL_UP_DOWN), Up_Down_Procedure, face);
    Register_Window_Class(Get_Control_Class_Name(CONTROL_SIZE_GRIP), Size_Grip_Procedure, face);
}
