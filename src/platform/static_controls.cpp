// Static controls: a label, an etched frame, and a picture target (empty
// unless given a picture; dialogs often paint over its rectangle instead).
// All of them show the parent's picture wherever they draw nothing.
#include <memory>

#include "platform/control_drawing.h"
#include "platform/control_support.h"
#include "platform/controls.h"
#include "platform/pixel_blits.h"
#include "platform/windows.h"

namespace {
struct STATIC_STATE {
    std::unique_ptr<DRAWING_SURFACE> Picture;
};

CONTROL_STATE_TABLE<STATIC_STATE> static_states;

void Paint_Label(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const RECT_AREA& client) {
    const COLOUR_VALUE text_colour =
        Get_System_Colour(Is_Window_Enabled(window) ? COLOUR_WINDOW_TEXT : COLOUR_GRAY_TEXT);
    const DRAWING_BRUSH* brush = Ask_Parent_For_Colours(window, MSG_CONTROL_COLOUR_STATIC, dc, text_colour,
                                                        Get_System_Colour(COLOUR_FACE));
    if (brush != nullptr) Fill_Area_With_Brush(dc, client, brush);
    RECT_AREA area;
    uint32_t flags = 0;
    Get_Static_Text_Layout(window, &area, &flags);
    Select_Control_Font(dc, window);
    Draw_Coloured_Text(dc, Get_Window_Text(window), area, flags,
                       Is_Window_Enabled(window) ? dc->State.Text_Colour
                                                 : Get_System_Colour(COLOUR_GRAY_TEXT));
}

void Paint_Etched_Frame(DEVICE_CONTEXT* dc, const RECT_AREA& r) {
    const COLOUR_VALUE dark = Get_System_Colour(COLOUR_SHADOW), light = Get_System_Colour(COLOUR_LIGHT_EDGE);
    Fill_Surface_Area(dc, {r.Left, r.Top, r.Right - 1, r.Top + 1}, dark);
    Fill_Surface_Area(dc, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, dark);
    Fill_Surface_Area(dc, {r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 2}, light);
    Fill_Surface_Area(dc, {r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom - 1}, light);
    Fill_Surface_Area(dc, {r.Left, r.Bottom - 2, r.Right - 1, r.Bottom - 1}, dark);
    Fill_Surface_Area(dc, {r.Right - 2, r.Top, r.Right - 1, r.Bottom - 1}, dark);
    Fill_Surface_Area(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, light);
    Fill_Surface_Area(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, light);
}

intptr_t Static_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    STATIC_STATE* state = static_states.Find(window);
    switch (code) {
    case MSG_CREATE:
        static_states.Make(window);
        Set_Window_Style(window, Get_Window_Style(window) | WINDOW_TRANSPARENT);
        return 0;
    case MSG_DESTROY:
        static_states.Free(window);
        return 0;
    case MSG_PAINT: {
        PAINT_INFO paint;
        DEVICE_CONTEXT* dc = Begin_Paint(window, &paint);
        if (dc == nullptr) return 0;
        RECT_AREA client;
        Get_Client_Rect(window, &client);
        switch (Get_Control_Kind(window)) {
        case CONTROL_STATIC_FRAME:
            Paint_Etched_Frame(dc, client);
            break;
        case CONTROL_STATIC_IMAGE:
            if (state != nullptr && state->Picture)
                Stretch_Pixels(dc, 0, 0, client.Right, client.Bottom,
                               Surface_Pixel_Source(state->Picture.get()), 0, 0, state->Picture->Width,
                               state->Picture->Height, RASTER_SOURCE_COPY);
            break;
        default:
            Paint_Label(window, dc, client);
            break;
        }
        End_Paint(window, &paint);
        return 0;
    }
    case MSG_STATIC_SET_PICTURE: {
        if (state == nullptr) return 0;
        const DRAWING_SURFACE* picture = reinterpret_cast<const DRAWING_SURFACE*>(lparam);
        state->Picture =
            picture != nullptr && picture->Width > 0 ? std::make_unique<DRAWING_SURFACE>(*picture) : nullptr;
        Invalidate_Window(window, nullptr);
        return 1;
    }
    case MSG_LBUTTON_DOWN:
        if ((Get_Window_Style(window) & CONTROL_NOTIFY) != 0) Notify_Parent(window, NOTIFY_STATIC_CLICKED);
        return 0;
    case MSG_HIT_TEST:
        // A static without notification lets the mouse through to what lies under it.
        return (Get_Window_Style(window) & CONTROL_NOTIFY) != 0 ? HIT_CLIENT : HIT_TRANSPARENT;
    case MSG_SET_TEXT:
    case MSG_ENABLE:
        Invalidate_Window(window, nullptr);
        return 0;
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}
} // namespace

bool Get_Static_Text_Layout(WINDOW_HANDLE window, RECT_AREA* area, uint32_t* flags) {
    if (Get_Control_Kind(window) != CONTROL_STATIC_TEXT) return false;
    Get_Client_Rect(window, area);
    const uint32_t style = Get_Window_Style(window);
    *flags = TEXT_WORD_BREAK | TEXT_EXPAND_TABS;
    if ((style & CONTROL_CENTRE_TEXT) != 0) *flags |= TEXT_CENTRE;
    if ((style & CONTROL_RIGHT_TEXT) != 0) *flags |= TEXT_RIGHT;
    return true;
}

void Register_Static_Controls() {
    for (CONTROL_KIND kind : {CONTROL_STATIC_TEXT, CONTROL_STATIC_FRAME, CONTROL_STATIC_IMAGE})
        Register_Window_Class(Get_Control_Class_Name(kind), Static_Procedure, Get_System_Colour(COLOUR_FACE));
}
