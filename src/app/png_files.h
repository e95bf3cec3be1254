#pragma once
// Reading PNG files into 8-bit BGR or BGRA rows stored bottom-up, each row
// padded to a multiple of 4 bytes.
#include <cstdint>

// Largest side of a bitmap; a request for more is refused instead of asking
// for gigabytes.
constexpr int32_t MAX_IMAGE_SIDE = 16384;
// Largest side of a picture file the loaders read. Pictures are drawn at their
// own size inside the main window or stretched to it: backgrounds fill it,
// art and photographs sit in dialogs and views. No picture the game ships is
// wider than 2,560 pixels, and a 4K screen (3,840 x 2,160) fits inside this;
// a header that claims more is refused before anything is decoded.
constexpr int32_t MAX_PICTURE_SIDE = 4096;

// `pixels` nullptr: read the header only. `*pixels` nullptr: allocate the
// buffer (Allocate_Pixel_Buffer) and hand it back. Otherwise decode into the
// caller's buffer. Four-channel images are premultiplied by their alpha
// unless the name contains ".png-cached.png". Returns 1, or 0 on any failure
// (a damaged file included; an allocated buffer is then released).
int Load_PNG_File(const char* file, uint8_t** pixels, int32_t* width, int32_t* height, int32_t* channels);

// Bytes of one stored row of `width` pixels of `bytes_per_pixel` bytes.
int32_t Padded_Row_Size(int32_t width, int32_t bytes_per_pixel);

// Writes bottom-up BGR (3 channels) or BGRA rows, padded to 4 bytes, as an
// 8-bit RGB or RGBA PNG, marked with its print resolution when one is given.
// Returns 1, or 0 when the file cannot be written.
int32_t Save_PNG_File(const char* file, const uint8_t* pixels, int32_t width, int32_t height,
                      int32_t channels, int32_t dots_per_inch = 0);
