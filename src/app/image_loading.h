#pragma once
// Loading an image file into a cache slot: PNG (libpng), JPEG (libjpeg, also
// the built-in pattern from memory) and uncompressed BMP of 16 bits or more.
#include <cstdint>

#include "app/bitmap_cache.h"

// Name of the image held in the program itself.
constexpr const char BUILTIN_PATTERN_NAME[] = "SportsKorvaLogoPattern.jpg";

// Loads `name` ("file" or "file:FLAGS") into `entry`. Returns 1, or 0 when the
// image cannot be had (the slot is then left empty; a missing or undecodable
// file is no error, only the PNG reader's own failures are reported). `dc` is
// the context the picture will be drawn on.
int Load_File_Into_Bitmap_Cache(DEVICE_CONTEXT* dc, const char* name, BITMAP_CACHE_ENTRY* entry);
