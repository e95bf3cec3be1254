#pragma once
// The objects a device context draws with: pens, brushes and bitmaps. Every
// one made here is counted until it is deleted, so tests can prove that a
// drawing routine gives back what it took. Stock objects are shared, never
// counted and never deleted.
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t PEN_SOLID = 0;
constexpr int32_t PEN_NULL = 5;

struct DRAWING_PEN {
    int32_t Style;
    int32_t Width;
    COLOUR_VALUE Colour;
    bool Stock;
};

struct DRAWING_BRUSH {
    COLOUR_VALUE Colour;
    bool Hollow; // paints nothing
    bool Stock;
};

DRAWING_PEN* Create_Pen(int32_t style, int32_t width, COLOUR_VALUE colour);
DRAWING_BRUSH* Create_Solid_Brush(COLOUR_VALUE colour);
// 1 when deleted (a stock object is left alone and also answers 1), 0 for none.
int Delete_Pen(DRAWING_PEN* pen);
int Delete_Brush(DRAWING_BRUSH* brush);
DRAWING_PEN* Get_Null_Pen();
DRAWING_BRUSH* Get_Null_Brush();

// Selecting returns what the context held before (nullptr: its default).
DRAWING_PEN* Select_Pen(DEVICE_CONTEXT* dc, DRAWING_PEN* pen);
DRAWING_BRUSH* Select_Brush(DEVICE_CONTEXT* dc, DRAWING_BRUSH* brush);

// A bitmap is a 32-bit surface of its own (nullptr for an impossible size).
DRAWING_SURFACE* Create_Bitmap(int32_t width, int32_t height);
void Delete_Bitmap(DRAWING_SURFACE* bitmap);

// Objects made and not yet deleted.
int32_t Count_Live_Pens_And_Brushes();
int32_t Count_Live_Bitmaps();
