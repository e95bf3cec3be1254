#pragma once
// Copying pixels onto a device context: plain and stretched copies with a
// raster operation, and alpha blending. Sources are described by a view so a
// bitmap, a 24- or 32-bit buffer stored bottom-up, or any other surface can be
// drawn alike.
#include <cstdint>

#include "platform/drawing_surface.h"

struct PIXEL_SOURCE {
    const uint8_t* Bits;
    int32_t Width;
    int32_t Height;
    int32_t Bytes_Per_Pixel; // 3 (B, G, R) or 4 (B, G, R, A)
    int32_t Stride;          // bytes from one stored row to the next
    bool Bottom_Up;          // the first stored row is the image's last
};

PIXEL_SOURCE Surface_Pixel_Source(const DRAWING_SURFACE* surface);
// The pixel at (x, y) of the image as 0xAARRGGBB (alpha 255 for 3 bytes).
uint32_t Read_Source_Pixel(const PIXEL_SOURCE& source, int32_t x, int32_t y);

// Raster operations: copy the source, or combine it with the destination by
// a bitwise or.
constexpr uint32_t RASTER_SOURCE_COPY = 0x00CC0020;
constexpr uint32_t RASTER_SOURCE_PAINT = 0x00EE0086;

// Copies source (sx, sy, sw, sh) onto (dx, dy, dw, dh) of the context,
// stretched with the context's stretch mode when the sizes differ; only the
// clip and the surface are touched. 0 when nothing could be drawn at all.
int Stretch_Pixels(DEVICE_CONTEXT* dc, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                   const PIXEL_SOURCE& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                   uint32_t raster_operation);

// Blends source over destination: with `per_pixel_alpha` the source is
// premultiplied and its alpha, scaled by `constant_alpha`, decides the
// coverage; otherwise `constant_alpha` alone does. Stretching takes the
// nearest pixel.
int Alpha_Blend_Pixels(DEVICE_CONTEXT* dc, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                       const PIXEL_SOURCE& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                       uint32_t constant_alpha, bool per_pixel_alpha);

// Writes a whole image into a bitmap of the same size, top row first;
// returns the number of rows copied.
int32_t Copy_Pixels_To_Bitmap(DRAWING_SURFACE* bitmap, const PIXEL_SOURCE& source);
