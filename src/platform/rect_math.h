#pragma once
// Rectangle arithmetic of the window tree.
#include <cstdint>

#include "platform/drawing_surface.h"

// The part of `a` inside `b` (empty when they do not meet).
RECT_AREA Intersect_Rects(const RECT_AREA& a, const RECT_AREA& b);
bool Is_Rect_Empty(const RECT_AREA& rect);
RECT_AREA Offset_Rect(const RECT_AREA& rect, int32_t dx, int32_t dy);
bool Is_Point_In_Rect(const RECT_AREA& rect, int32_t x, int32_t y);
