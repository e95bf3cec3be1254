#pragma once
// Views are laid out in a design space of 768 x 507 units and drawn scaled to
// the view area of the main window (the back buffer).
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t DESIGN_WIDTH = 768;
constexpr int32_t DESIGN_HEIGHT = 507;

// x * view width / 768 when the view is wider than the design, else x
// unchanged (rounded to nearest); likewise y with the height.
int32_t Scale_X_To_Window(const RECT_AREA& view, int32_t x);
int32_t Scale_Y_To_Window(const RECT_AREA& view, int32_t y);
// The view area the design space is scaled to: the main window's client
// area less the status bars while a full-window view is shown.
void Get_View_Rect(RECT_AREA* view);
// Window pixels back to design units, in place (the inverse of the scaling).
void Scale_Rect_To_Design(RECT_AREA* rect);
// Both corners of a design rectangle to window pixels, in place.
void Scale_Rect_To_Window(RECT_AREA* rect);
// Copies `source` into `destination` and scales it; a result with a negative
// width or height is reported. Returns 1 for a usable rectangle, else 0.
int32_t Copy_Enlarged_Rectangle(RECT_AREA* destination, const RECT_AREA& source);
