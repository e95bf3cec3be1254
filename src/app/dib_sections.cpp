#include "app/dib_sections.h"

#include "platform/agg_warnings.h"

// agg_blur.h uses renderer_base without including it.
#include <agg_renderer_base.h>

#include <agg_blur.h>
#include <agg_pixfmt_rgb.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rendering_buffer.h>

#include <cstring>

#include "app/diagnostics.h"
#include "app/png_files.h"

int32_t SimpleCreateDIBSectionDC(DIB_SECTION_DC* record, DEVICE_CONTEXT* dc, int32_t bytes_per_pixel,
                                 int32_t width, int32_t height) {
    (void)dc;
    if (record == nullptr) return 0;
    memset(static_cast<void*>(record), 0, sizeof *record);
    if (width <= 0 || height <= 0 || width > MAX_IMAGE_SIDE || height > MAX_IMAGE_SIDE ||
        (bytes_per_pixel != 3 && bytes_per_pixel != 4)) {
        Report_System_Error("Unable to create bitmap in SimpleCreateDIBSectionDC(%d,%d)", width, height);
        return 0;
    }
    const int32_t stride = Padded_Row_Size(width, bytes_per_pixel);
    record->Pixels = Allocate_Pixel_Buffer(static_cast<size_t>(stride) * static_cast<size_t>(height));
    if (record->Pixels == nullptr) {
        Report_System_Error("Unable to create bitmap in SimpleCreateDIBSectionDC(%d,%d)", width, height);
        return 0;
    }
    IMAGE_INFO_HEADER& header = record->Info.Header;
    header.Size = 40;
    header.Width = width;
    header.Height = height;
    header.Planes = 1;
    header.Bits_Per_Pixel = static_cast<int16_t>(bytes_per_pixel * 8);
    record->Width = width;
    record->Height = height;
    record->Bytes_Per_Pixel = bytes_per_pixel;
    record->Stride = stride;
    record->Row_Fill = stride - width * bytes_per_pixel;
    return 1;
}

int32_t SimpleCreateDIBSectionDC_24(DIB_SECTION_DC* record, DEVICE_CONTEXT* dc, int32_t width,
                                    int32_t height) {
    return SimpleCreateDIBSectionDC(record, dc, 3, width, height);
}

int32_t SimpleCreateDIBSectionDC_32(DIB_SECTION_DC* record, DEVICE_CONTEXT* dc, int32_t width,
                                    int32_t height) {
    return SimpleCreateDIBSectionDC(record, dc, 4, width, height);
}

int32_t Free_DIB_Section_DC(DIB_SECTION_DC* record) {
    if (record == nullptr) return 0;
    Free_Pixel_Buffer(record->Pixels);
    memset(static_cast<void*>(record), 0, sizeof *record);
    return 1;
}

PIXEL_SOURCE DIB_Section_Pixels(const DIB_SECTION_DC& record) {
    return PIXEL_SOURCE{record.Pixels,          record.Width,  record.Height,
                        record.Bytes_Per_Pixel, record.Stride, true};
}

void Blur_DIB_Section(DIB_SECTION_DC* record, double rx, double ry) {
    if (record == nullptr || record->Pixels == nullptr) return;
    const unsigned radius_x = rx > 0 ? static_cast<unsigned>(rx) : 0;
    const unsigned radius_y = ry > 0 ? static_cast<unsigned>(ry) : 0;
    if (radius_x == 0 && radius_y == 0) return;
    agg::rendering_buffer buffer(record->Pixels, static_cast<unsigned>(record->Width),
                                 static_cast<unsigned>(record->Height), record->Stride);
    if (record->Bytes_Per_Pixel == 3) {
        agg::pixfmt_bgr24 pixels(buffer);
        agg::stack_blur_rgb24(pixels, radius_x, radius_y);
    } else {
        agg::pixfmt_bgra32 pixels(buffer);
        agg::stack_blur_rgba32(pixels, radius_x, radius_y);
    }
}

int32_t Save_DC_Area_To_PNG(DEVICE_CONTEXT* dc, int32_t x, int32_t y, int32_t w, int32_t h, const char* file,
                            int32_t dots_per_inch) {
    if (dc == nullptr || dc->Surface == nullptr || file == nullptr) return 0;
    DIB_SECTION_DC section;
    if (!SimpleCreateDIBSectionDC(&section, dc, 3, w, h)) return 0;
    DRAWING_SURFACE* surface = dc->Surface;
    for (int32_t row = 0; row < h; ++row) {
        uint8_t* out = section.Pixels + static_cast<ptrdiff_t>(h - 1 - row) * section.Stride;
        for (int32_t col = 0; col < w; ++col, out += 3) {
            const uint32_t p = Get_Surface_Pixel(surface, x + col, y + row);
            out[0] = static_cast<uint8_t>(p);
            out[1] = static_cast<uint8_t>(p >> 8);
            out[2] = static_cast<uint8_t>(p >> 16);
        }
    }
    const int32_t written = Save_PNG_File(file, section.Pixels, w, h, 3, dots_per_inch);
    Free_DIB_Section_DC(&section);
    return written;
}
