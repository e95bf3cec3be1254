#pragma once
// The small JPEG built into the program (the dialog background pattern,
// asked for as "SportsKorvaLogoPattern.jpg"). Its bytes are written at build
// time by the art generator (src/tools/art).
#include <cstddef>
#include <cstdint>

extern const uint8_t Builtin_Pattern_Image[];
extern const size_t Builtin_Pattern_Image_Size;
