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
void Move_To(DEVICE_CONTEXT* dc, int32_t x, int32_t y);
void Line_To(DEVICE_CONTEXT* dc, int32_t x, int32_t y);
