#include "platform/drawing_shapes.h"

#include <cstdlib>

#include "platform/drawing_objects.h"

namespace {
const DRAWING_PEN Default_Pen{PEN_SOLID, 1, 0, true};
const DRAWING_BRUSH Default_Brush{0xFFFFFF, false, true};

const DRAWING_PEN& Current_Pen(const DEVICE_CONTEXT* dc) {
    return dc->State.Pen != nullptr ? *dc->State.Pen : Default_Pen;
}
const DRAWING_BRUSH& Current_Brush(const DEVICE_CONTEXT* dc) {
    return dc->State.Brush != nullptr ? *dc->State.Brush : Default_Brush;
}

// A square dot of the pen's width centred on (x, y).
void Put_Pen_Dot(DEVICE_CONTEXT* dc, int32_t x, int32_t y, const DRAWING_PEN& pen) {
    const int32_t before = (pen.Width - 1) / 2;
    Fill_Surface_Area(dc, {x - before, y - before, x - before + pen.Width, y - before + pen.Width},
                      pen.Colour);
}
} // namespace

void Draw_Rectangle(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (dc == nullptr || right <= left || bottom <= top) return;
    const DRAWING_PEN& pen = Current_Pen(dc);
    const DRAWING_BRUSH& brush = Current_Brush(dc);
    const int32_t inset = pen.Style == PEN_NULL ? 0 : pen.Width;
    if (!brush.Hollow)
        Fill_Surface_Area(dc, {left + inset, top + inset, right - inset, bottom - inset}, brush.Colour);
    if (inset == 0) return;
    Fill_Surface_Area(dc, {left, top, right, top + inset}, pen.Colour);
    Fill_Surface_Area(dc, {left, bottom - inset, right, bottom}, pen.Colour);
    Fill_Surface_Area(dc, {left, top + inset, left + inset, bottom - inset}, pen.Colour);
    Fill_Surface_Area(dc, {right - inset, top + inset, right, bottom - inset}, pen.Colour);
}

void Move_To(DEVICE_CONTEXT* dc, int32_t x, int32_t y) {
    if (dc == nullptr) return;
    dc->State.Position_X = x;
    dc->State.Position_Y = y;
}

// Bresenham from the current position, stopping one pixel short of the end.
void Line_To(DEVICE_CONTEXT* dc, int32_t x, int32_t y) {
    if (dc == nullptr) return;
    const DRAWING_PEN& pen = Current_Pen(dc);
    int32_t px = dc->State.Position_X;
    int32_t py = dc->State.Position_Y;
    dc->State.Position_X = x;
    dc->State.Position_Y = y;
    if (pen.Style == PEN_NULL) return;
    const int32_t dx = std::abs(x - px), sx = px < x ? 1 : -1;
    const int32_t dy = -std::abs(y - py), sy = py < y ? 1 : -1;
    int32_t error = dx + dy;
    while (px != x || py != y) {
        Put_Pen_Dot(dc, px, py, pen);
        const int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += sx;
        }
        if (twice <= dx) {
            error += dx;
            py += sy;
        }
    }
}
