#pragma once
// The drawing routines the views and panels use on a device context, and the
// text drawing of design rectangles.
//
// Every text drawn through Draw_Text_In_Scaled_Rect is also noted in a short
// trace (text, window rectangle, format, colour) that tests and tools read
// back to check what a painter wrote where.
#include <cstdint>

#include "app/drawing_primitives.h"
#include "app/image_drawing.h"
#include "platform/drawing_surface.h"
#include "platform/text_render.h"

// Draws `text` in a design rectangle (window pixels when `scale` is 0) with
// the layout flags and the context's font; a scaled rectangle is fitted to
// the window at every size, so text stays with the pictures and frames
// scaled the same way. Vertical centring
// without single-line moves the top down by half the spare height of the
// word-wrapped text. Returns the drawn height, in design units when scaled
// and the view is taller than the design.
int32_t Draw_Text_In_Scaled_Rect(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                                 int32_t scale);

// What text drawing was asked to draw, oldest first, with where its lines
// fell in the font they were drawn in.
constexpr int DRAWN_TEXT_SIZE = 128;
constexpr int DRAWN_TEXT_LIMIT = 4096;
struct DRAWN_TEXT {
    char Text[DRAWN_TEXT_SIZE];
    RECT_AREA Rect; // window pixels, after scaling and centring
    uint32_t Format;
    COLOUR_VALUE Colour;
    int32_t Background_Mode;
    // The lines as laid out by the format (before any clipping to Rect):
    // as wide as the widest line (a single line up to its last letter) and
    // as high as all of them.
    RECT_AREA Box;
    // The part of Box the letters cover: the font's room above the first
    // line's letters and below the last one's shows nothing.
    RECT_AREA Letters;
    const DRAWING_SURFACE* Surface; // what it was drawn on
};
// Notes a text about to be drawn in `rect` (pixels) with the context's font;
// the drawing routines that lay text out themselves call it.
void Note_Drawn_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format);
// Number of traced texts (at most DRAWN_TEXT_LIMIT; the oldest give way).
int32_t Get_Drawn_Text_Count();
// Entry i, or nullptr outside the list.
const DRAWN_TEXT* Get_Drawn_Text(int32_t i);
void Clear_Drawn_Texts();
