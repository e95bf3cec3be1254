#pragma once
// The free font faces that stand in for the face names the program asks for:
// Arial and "MS Sans Serif" become Liberation Sans, Times faces Liberation
// Serif, Courier faces Liberation Mono, Calibri Carlito, and every other name
// DejaVu Sans.
#include <string>

struct FONT_FACE_FILES {
    const char* Family;  // the name of the face actually used
    std::string Regular; // font files on this machine; empty when missing
    std::string Bold;
};

// The stand-in for `requested` (compared ignoring case), with its files
// looked up once in the usual font folders.
const FONT_FACE_FILES& Find_Font_Face(const char* requested);
