#pragma once
// Plain copies of pixels between surfaces: how a window's picture reaches the
// screen and how the main window shows its back buffer.
#include <cstdint>

#include "platform/drawing_surface.h"

// Copies `area` of `source` so that its top-left corner lands at (x, y) of
// `target`; only pixels inside `clip` (target coordinates) and both surfaces
// are written.
void Copy_Surface_Area(DRAWING_SURFACE* target, int32_t x, int32_t y, const DRAWING_SURFACE* source,
                       const RECT_AREA& area, const RECT_AREA& clip);
// The part of `a` inside `b` (empty when they do not meet).
RECT_AREA Intersect_Rects(const RECT_AREA& a, const RECT_AREA& b);
bool Is_Rect_Empty(const RECT_AREA& rect);
RECT_AREA Offset_Rect(const RECT_AREA& rect, int32_t dx, int32_t dy);
bool Is_Point_In_Rect(const RECT_AREA& rect, int32_t x, int32_t y);
