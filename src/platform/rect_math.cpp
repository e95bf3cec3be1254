#include "platform/rect_math.h"

#include <algorithm>

RECT_AREA Intersect_Rects(const RECT_AREA& a, const RECT_AREA& b) {
    RECT_AREA result = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                        std::min(a.Bottom, b.Bottom)};
    if (result.Right < result.Left) result.Right = result.Left;
    if (result.Bottom < result.Top) result.Bottom = result.Top;
    return result;
}

bool Is_Rect_Empty(const RECT_AREA& rect) {
    return rect.Right <= rect.Left || rect.Bottom <= rect.Top;
}

RECT_AREA Offset_Rect(const RECT_AREA& rect, int32_t dx, int32_t dy) {
    return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

bool Is_Point_In_Rect(const RECT_AREA& rect, int32_t x, int32_t y) {
    return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}
