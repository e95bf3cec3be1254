#include "platform/drawing_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/drawing_objects.h"

namespace {
const DRAWING_PEN Default_Pen{PEN_SOLID, 1, 0, true};
const DRAWING_BRUSH Default_Brush{0xFFFFFF, false, true, nullptr};

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
// The first pixel whose centre lies right of x.
int32_t First_Pixel_After(double x) {
    return static_cast<int32_t>(std::ceil(x - 0.5));
}

// The rows worth walking: those of [top, bottom) on the surface.
bool Get_Shape_Rows(const DEVICE_CONTEXT* dc, int32_t top, int32_t bottom, int32_t* first, int32_t* last) {
    *first = std::max(top, 0);
    *last = dc->Surface != nullptr ? std::min(bottom, dc->Surface->Height) : bottom;
    return *first < *last;
}

// The span [left, right) of an ellipse's row through pixel centres at
// height `centre`; false when the row misses the ellipse.
bool Get_Ellipse_Span(double cx, double cy, double rx, double ry, double centre, int32_t* left,
                      int32_t* right) {
    if (rx <= 0 || ry <= 0) return false;
    const double dy = (centre - cy) / ry;
    if (dy <= -1.0 || dy >= 1.0) return false;
    const double half = rx * std::sqrt(1.0 - dy * dy);
    *left = First_Pixel_After(cx - half);
    *right = First_Pixel_After(cx + half);
    return *right > *left;
}
} // namespace

void Draw_Polygon(DEVICE_CONTEXT* dc, const POINT_XY* points, int32_t count) {
    if (dc == nullptr || points == nullptr || count < 2) return;
    int32_t top = points[0].Y, bottom = points[0].Y;
    for (int32_t i = 1; i < count; ++i) {
        top = std::min(top, points[i].Y);
        bottom = std::max(bottom, points[i].Y);
    }
    const DRAWING_BRUSH& brush = Current_Brush(dc);
    int32_t first = 0, last = 0;
    if (count >= 3 && Get_Shape_Rows(dc, top, bottom, &first, &last)) {
        std::vector<double> crossings;
        for (int32_t y = first; y < last; ++y) {
            const double centre = y + 0.5;
            crossings.clear();
            for (int32_t i = 0; i < count; ++i) {
                const POINT_XY& a = points[i];
                const POINT_XY& b = points[(i + 1) % count];
                if ((a.Y < centre) == (b.Y < centre)) continue;
                crossings.push_back(a.X + (centre - a.Y) * static_cast<double>(b.X - a.X) / (b.Y - a.Y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (size_t k = 0; k + 1 < crossings.size(); k += 2)
                Fill_Area_With_Brush(
                    dc, {First_Pixel_After(crossings[k]), y, First_Pixel_After(crossings[k + 1]), y + 1},
                    &brush);
        }
    }
    const int32_t x = dc->State.Position_X, y = dc->State.Position_Y;
    Move_To(dc, points[0].X, points[0].Y);
    for (int32_t i = 1; i < count; ++i)
        Line_To(dc, points[i].X, points[i].Y);
    Line_To(dc, points[0].X, points[0].Y);
    Move_To(dc, x, y);
}

void Draw_Ellipse(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (dc == nullptr || right <= left || bottom <= top) return;
    const DRAWING_PEN& pen = Current_Pen(dc);
    const DRAWING_BRUSH& brush = Current_Brush(dc);
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    const int32_t width = pen.Style == PEN_NULL ? 0 : pen.Width;
    int32_t first = 0, last = 0;
    if (!Get_Shape_Rows(dc, top, bottom, &first, &last)) return;
    for (int32_t y = first; y < last; ++y) {
        int32_t outer_left = 0, outer_right = 0, inner_left = 0, inner_right = 0;
        if (!Get_Ellipse_Span(cx, cy, rx, ry, y + 0.5, &outer_left, &outer_right)) continue;
        // The pen's ring: what lies outside the ellipse narrowed by its width.
        if (!Get_Ellipse_Span(cx, cy, rx - width, ry - width, y + 0.5, &inner_left, &inner_right)) {
            Fill_Surface_Area(dc, {outer_left, y, outer_right, y + 1}, pen.Colour);
            continue;
        }
        Fill_Area_With_Brush(dc, {inner_left, y, inner_right, y + 1}, &brush);
        if (width == 0) continue;
        Fill_Surface_Area(dc, {outer_left, y, inner_left, y + 1}, pen.Colour);
        Fill_Surface_Area(dc, {inner_right, y, outer_right, y + 1}, pen.Colour);
    }
}

void Draw_Rectangle(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (dc == nullptr || right <= left || bottom <= top) return;
    const DRAWING_PEN& pen = Current_Pen(dc);
    const DRAWING_BRUSH& brush = Current_Brush(dc);
    const int32_t inset = pen.Style == PEN_NULL ? 0 : pen.Width;
    Fill_Area_With_Brush(dc, {left + inset, top + inset, right - inset, bottom - inset}, &brush);
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
