#pragma once
// Pictures written as PNG files (libpng): a surface, a window as it would
// look on the screen, or the whole screen. Tests and tools look at windows
// this way on the null backend.
#include <string>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

// 1 when written, 0 when the file could not be written (nothing is left of it).
int Write_Surface_PNG(const DRAWING_SURFACE* surface, const char* path);
int Write_Window_PNG(WINDOW_HANDLE window, const char* path);
// Reads an 8-bit RGB or RGBA PNG into an opaque surface; 1 when read.
int Read_Surface_PNG(const char* path, DRAWING_SURFACE* surface);
