#pragma once
// Off-screen 24- and 32-bit drawing surfaces stored bottom-up with rows padded
// to 4 bytes, the layout the noise texture and the vector layer draw into
// before the result is copied or blended onto a device context.
#include <cstdint>

#include "app/bitmap_cache.h"
#include "platform/pixel_blits.h"

struct DIB_SECTION_DC {
    uint8_t* Pixels;
    IMAGE_INFO Info;
    int32_t Width;
    int32_t Height;
    int32_t Bytes_Per_Pixel; // 3 or 4
    int32_t Row_Fill;        // bytes added to each row to reach a multiple of 4
    int32_t Stride;
};

// Zeroed pixels (transparent black with 4 bytes a pixel). Returns 1, or 0
// (reported) when the surface cannot be made.
int32_t SimpleCreateDIBSectionDC(DIB_SECTION_DC* record, DEVICE_CONTEXT* dc, int32_t bytes_per_pixel,
                                 int32_t width, int32_t height);
// The same with 3 and with 4 bytes a pixel.
int32_t SimpleCreateDIBSectionDC_24(DIB_SECTION_DC* record, DEVICE_CONTEXT* dc, int32_t width,
                                    int32_t height);
int32_t SimpleCreateDIBSectionDC_32(DIB_SECTION_DC* record, DEVICE_CONTEXT* dc, int32_t width,
                                    int32_t height);
int32_t Free_DIB_Section_DC(DIB_SECTION_DC* record);
PIXEL_SOURCE DIB_Section_Pixels(const DIB_SECTION_DC& record);
// Stack blur of the section with the radii truncated to whole pixels.
void Blur_DIB_Section(DIB_SECTION_DC* record, double rx, double ry);
// Copies (x, y, w, h) of the context into a PNG file, marked with a print
// resolution when one is given; 1 when written.
int32_t Save_DC_Area_To_PNG(DEVICE_CONTEXT* dc, int32_t x, int32_t y, int32_t w, int32_t h, const char* file,
                            int32_t dots_per_inch = 0);
