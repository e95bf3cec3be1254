#pragma once
// The drawing routines the views and panels use on a device context.
//
// There is no font rendering yet: text drawing records what it was asked to
// draw (text, window rectangle, format, colour) in a short list that tests and
// tools can read back, and measures text with a fixed line height.
#include <cstdint>

#include "platform/drawing_surface.h"

// Text layout flags.
constexpr uint32_t TEXT_CENTRE = 1;
constexpr uint32_t TEXT_RIGHT = 2;
constexpr uint32_t TEXT_VERTICAL_CENTRE = 4;
constexpr uint32_t TEXT_WORD_BREAK = 16;
constexpr uint32_t TEXT_SINGLE_LINE = 32;
constexpr uint32_t TEXT_NO_PREFIX = 0x800;

// Height in window pixels given to one line of text until fonts exist.
constexpr int32_t NOMINAL_TEXT_LINE_HEIGHT = 16;

// Colour of a background picture that cannot be drawn.
constexpr COLOUR_VALUE MISSING_IMAGE_COLOUR = Make_Colour(128, 0, 0);

// Fills (left, top)-(right, bottom) with right and bottom included.
void Fill_Rectangle(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    COLOUR_VALUE colour);

// Draws the background picture `name` (nullptr: the current screen's) with
// `alpha` (255 opaque): with all four coordinates -1 over the whole back
// buffer, with none of them -1 the inclusive window rectangle (x1, y1)-(x2, y2)
// of the picture at the same place. Any other mix is reported and draws
// nothing. Returns 0 when drawn, 1 otherwise (also without a context).
int32_t Draw_Background_Image(DEVICE_CONTEXT* dc, const char* name, int32_t alpha, int32_t x1, int32_t y1,
                              int32_t x2, int32_t y2);

// Draws `text` in a design rectangle (window pixels when `scale` is 0) with
// the layout flags; vertical centring without single-line moves the top down
// by half the spare height. Returns the drawn height, in design units when
// scaled.
int32_t Draw_Text_In_Scaled_Rect(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                                 int32_t scale);

// What text drawing was asked to draw, oldest first.
constexpr int DRAWN_TEXT_SIZE = 128;
constexpr int DRAWN_TEXT_LIMIT = 256;
struct DRAWN_TEXT {
    char Text[DRAWN_TEXT_SIZE];
    RECT_AREA Rect; // window pixels, after scaling and centring
    uint32_t Format;
    COLOUR_VALUE Colour;
    int32_t Background_Mode;
};
// Number of recorded texts (at most DRAWN_TEXT_LIMIT; the oldest give way).
int32_t Get_Drawn_Text_Count();
// Entry i, or nullptr outside the list.
const DRAWN_TEXT* Get_Drawn_Text(int32_t i);
void Clear_Drawn_Texts();
