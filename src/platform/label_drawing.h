#pragma once
// Text of the layer's own furniture: captions, menu titles and items, the
// labels of the plain controls. The layer has no text rendering of its own;
// the frame installs the routine that draws text, and without one labels are
// measured but not drawn.
#include <cstdint>

#include "platform/drawing_surface.h"

// Layout flags (the values of the frame's text layout flags).
constexpr uint32_t LABEL_CENTRE = 1;
constexpr uint32_t LABEL_RIGHT = 2;
constexpr uint32_t LABEL_VERTICAL_CENTRE = 4;
constexpr uint32_t LABEL_SINGLE_LINE = 32;

using LABEL_DRAWER = void (*)(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t flags,
                              COLOUR_VALUE colour);

void Set_Label_Drawer(LABEL_DRAWER drawer);
// Draws `text` in `rect` of the context's surface; an '&' marks the next
// character as the mnemonic and is left out ("&&" draws one '&').
void Draw_Label(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t flags,
                COLOUR_VALUE colour);
// Width in pixels the layer plans for `text` (mnemonic marks left out).
int32_t Measure_Label_Width(const char* text);
// Copies `text` without its mnemonic marks into `buffer` of `size` bytes.
void Strip_Mnemonics(const char* text, char* buffer, int32_t size);

// Pixels the layer plans per character and per line until text is measured.
constexpr int32_t LABEL_CHARACTER_WIDTH = 7;
constexpr int32_t LABEL_LINE_HEIGHT = 16;
