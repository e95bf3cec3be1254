#pragma once
// Small image files the drawing tests write for themselves into a fresh
// temporary folder, which is also made the current folder while they run.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <jpeglib.h>
#include <string>
#include <unistd.h>
#include <vector>

#include <png.h>

#include "app/bitmap_cache.h"
#include "app/image_loading.h"
#include "app/main_window_dc.h"

class Image_Folder_Test : public testing::Test {
  protected:
    void SetUp() override {
        // Memory-backed when the machine has it: the damage tests write many files.
        char pattern[64];
        snprintf(pattern, sizeof pattern, "%s/korva_images_XXXXXX",
                 std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        ASSERT_EQ(chdir(folder_.c_str()), 0);
        Init_Image_Caches();
        bitmaps_before_ = Count_Live_Pixel_Buffers();
    }
    void TearDown() override {
        Free_Image_Caches();
        Destroy_Main_Window_Back_Buffer();
        EXPECT_EQ(Count_Live_Pixel_Buffers(), bitmaps_before_) << "every pixel buffer is given back";
        ASSERT_EQ(chdir(previous_), 0);
        std::filesystem::remove_all(folder_);
    }
    std::string folder_;
    char previous_[4096];
    int32_t bitmaps_before_ = 0;
};

// RGBA pixels, top row first, written as a PNG of the given colour type
// (6 RGBA, 2 RGB, 0 grey) and depth.
inline void Write_Test_PNG(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
                           int colour_type = PNG_COLOR_TYPE_RGB_ALPHA, int depth = 8,
                           bool grey_trns = false) {
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, depth, colour_type, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (grey_trns) {
        png_color_16 transparent{};
        transparent.gray = 0;
        png_set_tRNS(png, info, nullptr, 0, &transparent);
    }
    png_write_info(png, info);
    if (depth == 16) png_set_swap(png);
    const int channels = colour_type == PNG_COLOR_TYPE_RGB_ALPHA ? 4
                         : colour_type == PNG_COLOR_TYPE_RGB     ? 3
                                                                 : 1;
    const int bytes = depth / 8;
    std::vector<uint8_t> row(static_cast<size_t>(width * channels * bytes));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) {
                const uint8_t v = rgba[static_cast<size_t>((y * width + x) * 4 + c)];
                for (int b = 0; b < bytes; ++b)
                    row[static_cast<size_t>((x * channels + c) * bytes + b)] = v;
            }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(file);
}

// A JPEG of one colour in the given colour space (JCS_RGB, JCS_GRAYSCALE or
// JCS_CMYK, or JCS_UNKNOWN with `components` components).
inline std::vector<uint8_t> Make_Test_JPEG(int width, int height, J_COLOR_SPACE space, const uint8_t* sample,
                                           int components = 0) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components > 0           ? components
                            : space == JCS_GRAYSCALE ? 1
                            : space == JCS_CMYK      ? 4
                                                     : 3;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width * info.input_components));
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < info.input_components; ++c)
            row[static_cast<size_t>(x * info.input_components + c)] = sample[c];
    while (info.next_scanline < info.image_height) {
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    free(buffer);
    return bytes;
}

inline void Write_Bytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

inline std::vector<uint8_t> Read_Bytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) return bytes;
    int c;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back(static_cast<uint8_t>(c));
    fclose(file);
    return bytes;
}

// An uncompressed BMP of one BGR colour with `bits` per pixel (the colour
// bytes are repeated for 32 bits; 8-bit files carry no palette worth using).
inline std::vector<uint8_t> Make_Test_BMP(int width, int height, int bits, uint8_t b, uint8_t g, uint8_t r) {
    const int stride = ((bits / 8) * width + 3) & ~3;
    const uint32_t offset = 14 + 40 + (bits == 8 ? 1024 : 0);
    const uint32_t size = offset + static_cast<uint32_t>(stride * height);
    std::vector<uint8_t> bytes(size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, size);
    put32(10, offset);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = static_cast<uint8_t>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width && bits >= 24; ++x) {
            uint8_t* p = bytes.data() + offset + y * stride + x * (bits / 8);
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
    return bytes;
}
