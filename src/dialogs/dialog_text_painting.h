#pragma once
// Painting the front-office dialogs draw over their own background: text in
// a colour over a control's rectangle, a skin picture over a control, and
// the speech bubble of a general manager's answer.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

// The text over the rectangle of control `id`, in the control's font and the
// colour, on a transparent background, with the layout flags given.
void Draw_Text_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t id, const char* text,
                          COLOUR_VALUE colour, uint32_t flags);
// The skin's picture `name` (a path inside the skin folder) stretched over control `id`.
void Draw_Skin_Picture_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t id, const char* name);
// A white box with corners rounded 10 by 10 and a black outline around
// control `id`.
void Draw_Speech_Bubble(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t id);
