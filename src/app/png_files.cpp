#include "app/png_files.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "app/bitmap_cache.h"
#include "app/diagnostics.h"
#include "database/path_resolver.h"

namespace {
// libpng's complaints are not printed; an error returns to the reader.
void Stop_On_PNG_Error(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void Ignore_PNG_Warning(png_structp, png_const_charp) {}

struct PNG_READ {
    FILE* File = nullptr;
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    png_bytep* Rows = nullptr;
    uint8_t* Allocated = nullptr;
};

// Releases what the read holds; `close_failed` reports a failed close.
void Finish_PNG_Read(PNG_READ* read, bool* close_failed) {
    if (read->Png != nullptr)
        png_destroy_read_struct(&read->Png, read->Info != nullptr ? &read->Info : nullptr, nullptr);
    delete[] read->Rows;
    read->Rows = nullptr;
    if (read->File != nullptr) {
        const bool failed = fclose(read->File) != 0;
        if (close_failed != nullptr) *close_failed = failed;
    }
    read->File = nullptr;
}

void Premultiply_Rows(uint8_t* buffer, int32_t width, int32_t height, int32_t stride) {
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* p = buffer + static_cast<ptrdiff_t>(y) * stride;
        for (int32_t x = 0; x < width; ++x, p += 4) {
            const uint32_t alpha = p[3];
            p[0] = static_cast<uint8_t>(p[0] * alpha / 255);
            p[1] = static_cast<uint8_t>(p[1] * alpha / 255);
            p[2] = static_cast<uint8_t>(p[2] * alpha / 255);
        }
    }
}

// The libpng part; kept free of C++ objects because an error leaves it by a
// long jump.
int Read_PNG(PNG_READ* read, const char* file, uint8_t** pixels, int32_t* width, int32_t* height,
             int32_t* channels) {
    png_byte signature[8];
    if (fread(signature, 1, 8, read->File) != 8) {
        Report_System_Error("Unable to read sig in Load_PNG_File(%s)", file);
        return 0;
    }
    if (png_sig_cmp(signature, 0, 8) != 0) return 0;
    read->Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Stop_On_PNG_Error, Ignore_PNG_Warning);
    if (read->Png == nullptr) {
        Report_System_Error("Unable to png_create_read_struct in Load_PNG_File(%s)", file);
        return 0;
    }
    read->Info = png_create_info_struct(read->Png);
    if (read->Info == nullptr) {
        Report_System_Error("Unable to png_create_info_struct in Load_PNG_File(%s)", file);
        return 0;
    }
    if (setjmp(png_jmpbuf(read->Png)) != 0) return 0;
    png_init_io(read->Png, read->File);
    png_set_sig_bytes(read->Png, 8);
    png_read_info(read->Png, read->Info);
    const png_uint_32 file_width = png_get_image_width(read->Png, read->Info);
    const png_uint_32 file_height = png_get_image_height(read->Png, read->Info);
    if (file_width > static_cast<png_uint_32>(MAX_PICTURE_SIDE) ||
        file_height > static_cast<png_uint_32>(MAX_PICTURE_SIDE)) {
        Report_System_Error("Unable to show a picture of %u x %u pixels in Load_PNG_File(%s)",
                            static_cast<unsigned>(file_width), static_cast<unsigned>(file_height), file);
        return 0;
    }
    const png_byte colour_type = png_get_color_type(read->Png, read->Info);
    const png_byte depth = png_get_bit_depth(read->Png, read->Info);
    if (depth == 16) png_set_strip_16(read->Png);
    if (colour_type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(read->Png);
    if (colour_type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(read->Png);
    if (colour_type == PNG_COLOR_TYPE_GRAY || colour_type == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(read->Png);
    png_set_bgr(read->Png);
    if (png_get_valid(read->Png, read->Info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(read->Png);
    double file_gamma = 0;
    if (png_get_gAMA(read->Png, read->Info, &file_gamma)) png_set_gamma(read->Png, 2.2, file_gamma);
    png_read_update_info(read->Png, read->Info);
    *width = static_cast<int32_t>(png_get_image_width(read->Png, read->Info));
    *height = static_cast<int32_t>(png_get_image_height(read->Png, read->Info));
    *channels = png_get_channels(read->Png, read->Info);
    if (*channels != 3 && *channels != 4) return 0;
    if (pixels == nullptr) return 1;

    const int32_t stride = Padded_Row_Size(static_cast<int32_t>(png_get_rowbytes(read->Png, read->Info)), 1);
    if (*pixels == nullptr) {
        const size_t size = static_cast<size_t>(stride) * static_cast<size_t>(*height);
        read->Allocated = Allocate_Pixel_Buffer(size);
        if (read->Allocated == nullptr) {
            Report_System_Error("Unable to allocate %d bytes in Load_PNG_File(%s)", static_cast<int>(size),
                                file);
            return 0;
        }
    }
    uint8_t* buffer = read->Allocated != nullptr ? read->Allocated : *pixels;
    read->Rows = new png_bytep[static_cast<size_t>(*height)];
    for (int32_t r = 0; r < *height; ++r)
        read->Rows[r] = buffer + static_cast<ptrdiff_t>(*height - 1 - r) * stride;
    png_read_image(read->Png, read->Rows);
    png_read_end(read->Png, nullptr);
    if (read->Allocated != nullptr) *pixels = read->Allocated;
    read->Allocated = nullptr;
    if (*channels == 4 && strstr(file, ".png-cached.png") == nullptr)
        Premultiply_Rows(buffer, *width, *height, stride);
    return 1;
}
// The libpng part of the writer; an error leaves it by a long jump.
int Write_PNG(png_structp png, png_infop info, FILE* file, png_bytep* rows, int32_t width, int32_t height,
              int32_t channels, int32_t dots_per_inch) {
    if (setjmp(png_jmpbuf(png)) != 0) return 0;
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (dots_per_inch > 0) {
        // The resolution is stored per metre.
        const auto per_metre = static_cast<png_uint_32>(dots_per_inch / 0.0254 + 0.5);
        png_set_pHYs(png, info, per_metre, per_metre, PNG_RESOLUTION_METER);
    }
    png_write_info(png, info);
    png_set_bgr(png);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return 1;
}
} // namespace

int32_t Save_PNG_File(const char* file, const uint8_t* pixels, int32_t width, int32_t height,
                      int32_t channels, int32_t dots_per_inch) {
    if (file == nullptr || pixels == nullptr || width <= 0 || height <= 0 || (channels != 3 && channels != 4))
        return 0;
    FILE* out = Open_Resolved_File(file, "wb");
    if (out == nullptr) return 0;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Stop_On_PNG_Error, Ignore_PNG_Warning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    const int32_t stride = Padded_Row_Size(width, channels);
    auto* rows = new png_bytep[static_cast<size_t>(height)];
    for (int32_t r = 0; r < height; ++r)
        rows[r] = const_cast<png_bytep>(pixels) + static_cast<ptrdiff_t>(height - 1 - r) * stride;
    const int written =
        info != nullptr ? Write_PNG(png, info, out, rows, width, height, channels, dots_per_inch) : 0;
    png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
    delete[] rows;
    const bool closed = fclose(out) == 0;
    return written != 0 && closed ? 1 : 0;
}

int32_t Padded_Row_Size(int32_t width, int32_t bytes_per_pixel) {
    return (width * bytes_per_pixel + 3) & ~3;
}

int Load_PNG_File(const char* file, uint8_t** pixels, int32_t* width, int32_t* height, int32_t* channels) {
    if (file == nullptr || width == nullptr || height == nullptr || channels == nullptr) return 0;
    PNG_READ read;
    read.File = Open_Resolved_File(file, "rb");
    if (read.File == nullptr) {
        Report_System_Error("Unable to open file in Load_PNG_File(%s)", file);
        return 0;
    }
    const int result = Read_PNG(&read, file, pixels, width, height, channels);
    Free_Pixel_Buffer(read.Allocated);
    bool close_failed = false;
    Finish_PNG_Read(&read, &close_failed);
    if (result == 1 && close_failed) Report_System_Error("Unable to close file in Load_PNG_File(%s)", file);
    return result;
}
