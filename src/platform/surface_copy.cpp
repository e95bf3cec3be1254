#include "platform/surface_copy.h"

#include <algorithm>
#include <cstring>

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

void Copy_Surface_Area(DRAWING_SURFACE* target, int32_t x, int32_t y, const DRAWING_SURFACE* source,
                       const RECT_AREA& area, const RECT_AREA& clip) {
    if (target == nullptr || source == nullptr) return;
    const RECT_AREA source_box = Intersect_Rects(area, {0, 0, source->Width, source->Height});
    // Where the source box lands, cut by the clip and the target.
    RECT_AREA landed = Offset_Rect(source_box, x - area.Left, y - area.Top);
    landed = Intersect_Rects(landed, clip);
    landed = Intersect_Rects(landed, {0, 0, target->Width, target->Height});
    if (Is_Rect_Empty(landed)) return;
    const int32_t dx = area.Left - x;
    const int32_t dy = area.Top - y;
    const size_t width = static_cast<size_t>(landed.Right - landed.Left);
    for (int32_t row = landed.Top; row < landed.Bottom; ++row) {
        const uint32_t* from = source->Pixels.data() + static_cast<size_t>(row + dy) * source->Width +
                               static_cast<size_t>(landed.Left + dx);
        uint32_t* to = target->Pixels.data() + static_cast<size_t>(row) * target->Width +
                       static_cast<size_t>(landed.Left);
        std::memcpy(to, from, width * sizeof(uint32_t));
    }
}
