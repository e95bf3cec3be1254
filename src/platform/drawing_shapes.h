#pragma once
// Rectangles and lines with the edge rules the frame relies on:
// - a rectangle (left, top, right, bottom) covers x in [left, right) and
//   y in [top, bottom): its right and bottom edges are not painted; the pen
//   outlines the border pixels of that area and the brush fills the rest;
// - a line from the current position to (x, y) paints every pixel of the
//   way except (x, y) itself, which then becomes the current position.
#include <cstdint>

#include "platform/drawing_surface.h"

void Draw_Rectangle(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom);

struct POINT_XY {
    int32_t X;
    int32_t Y;
};
// The brush over every pixel whose centre lies inside the closed outline
// (crossings counted alternately), then the pen along the outline back to
// the first point.
void Draw_Polygon(DEVICE_CONTEXT* dc, const POINT_XY* points, int32_t count);
// The ellipse inscribed in x in [left, right), y in [top, bottom): the brush
// over every pixel whose centre lies inside, the pen over those of them
// within its width of the edge.
void Draw_Ellipse(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
void Move_To(DEVICE_CONTEXT* dc, int32_t x, int32_t y);
void Line_To(DEVICE_CONTEXT* dc, int32_t x, int32_t y);
