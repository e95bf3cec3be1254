#include "platform/png_file.h"

#include <cstdio>
#include <png.h>
#include <vector>

#include "platform/windows.h"

int Write_Surface_PNG(const DRAWING_SURFACE* surface, const char* path) {
    if (surface == nullptr || path == nullptr || surface->Width <= 0 || surface->Height <= 0) return 0;
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    std::vector<png_byte> row(static_cast<size_t>(surface->Width) * 3);
    volatile bool written = false;
    if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(surface->Width),
                     static_cast<png_uint_32>(surface->Height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int32_t y = 0; y < surface->Height; ++y) {
            for (int32_t x = 0; x < surface->Width; ++x) {
                const uint32_t pixel = surface->Pixels[static_cast<size_t>(y) * surface->Width + x];
                row[static_cast<size_t>(x) * 3] = static_cast<png_byte>((pixel >> 16) & 0xFF);
                row[static_cast<size_t>(x) * 3 + 1] = static_cast<png_byte>((pixel >> 8) & 0xFF);
                row[static_cast<size_t>(x) * 3 + 2] = static_cast<png_byte>(pixel & 0xFF);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, info);
        written = true;
    }
    png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
    if (std::fclose(file) != 0) written = false;
    if (!written) std::remove(path);
    return written ? 1 : 0;
}

int Write_Window_PNG(WINDOW_HANDLE window, const char* path) {
    if (!Is_Window(window)) return 0;
    DRAWING_SURFACE picture{};
    Render_Window(window, &picture);
    return Write_Surface_PNG(&picture, path);
}

int Read_Surface_PNG(const char* path, DRAWING_SURFACE* surface) {
    if (path == nullptr || surface == nullptr) return 0;
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return 0;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    volatile int read = 0;
    std::vector<png_byte> row;
    if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_read_info(png, info);
        const png_uint_32 width = png_get_image_width(png, info);
        const png_uint_32 height = png_get_image_height(png, info);
        const int type = png_get_color_type(png, info);
        if (png_get_bit_depth(png, info) == 8 &&
            (type == PNG_COLOR_TYPE_RGB || type == PNG_COLOR_TYPE_RGBA) &&
            Resize_Drawing_Surface(surface, static_cast<int32_t>(width), static_cast<int32_t>(height))) {
            const size_t channels = type == PNG_COLOR_TYPE_RGBA ? 4 : 3;
            row.resize(static_cast<size_t>(width) * channels);
            for (png_uint_32 y = 0; y < height; ++y) {
                png_read_row(png, row.data(), nullptr);
                for (png_uint_32 x = 0; x < width; ++x) {
                    const png_byte* p = &row[x * channels];
                    surface->Pixels[static_cast<size_t>(y) * width + x] =
                        0xFF000000u | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
                }
            }
            read = 1;
        }
    }
    png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    std::fclose(file);
    return read;
}
