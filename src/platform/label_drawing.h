#pragma once
// Text of the layer's own furniture: captions, menu titles and items, the
// labels of the plain controls, in the default font. An '&' marks the next
// character as the mnemonic and is left out ("&&" draws one '&').
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/text_render.h"

// Draws `text` in `rect` of the context's surface with the TEXT_* layout
// flags, in `colour` on a transparent background; the context is left as it was.
void Draw_Label(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t flags,
                COLOUR_VALUE colour);
// Width in pixels of `text` on one line.
int32_t Measure_Label_Width(const char* text);
// Size of `text` word-wrapped within `max_width` pixels.
void Measure_Label_Block(const char* text, int32_t max_width, int32_t* width, int32_t* height);
// Height of one line of labels.
int32_t Get_Label_Line_Height();
