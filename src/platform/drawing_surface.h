#pragma once
// Off-screen drawing: a 32-bit BGRA surface in memory and the device context
// through which the frame draws into it. The context carries a state (text
// colour, background mode, clip) and a stack of saved states, so a routine can
// save, change and restore it around its own drawing.
#include <cstdint>
#include <vector>

// A rectangle in pixels or design units; right and bottom are exclusive for
// window rectangles unless a routine says otherwise.
struct RECT_AREA {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;
};

// Colour values as the frame passes them around: 0x00BBGGRR.
using COLOUR_VALUE = uint32_t;
constexpr COLOUR_VALUE Make_Colour(uint32_t red, uint32_t green, uint32_t blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr uint32_t Colour_Red(COLOUR_VALUE c) {
    return c & 0xFF;
}
constexpr uint32_t Colour_Green(COLOUR_VALUE c) {
    return (c >> 8) & 0xFF;
}
constexpr uint32_t Colour_Blue(COLOUR_VALUE c) {
    return (c >> 16) & 0xFF;
}

// Pixels are stored as the bytes B, G, R, A, i.e. 0xAARRGGBB read as a
// little-endian 32-bit word; opaque pixels have A = 255.
constexpr uint32_t Colour_To_Pixel(COLOUR_VALUE c) {
    return 0xFF000000u | (Colour_Red(c) << 16) | (Colour_Green(c) << 8) | Colour_Blue(c);
}
constexpr COLOUR_VALUE Pixel_To_Colour(uint32_t pixel) {
    return Make_Colour((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

struct DRAWING_SURFACE {
    int32_t Width;
    int32_t Height;
    std::vector<uint32_t> Pixels; // Width * Height, rows top to bottom
};

constexpr int32_t BACKGROUND_OPAQUE = 2;
constexpr int32_t BACKGROUND_TRANSPARENT = 1;

struct DRAWING_PEN;
struct DRAWING_BRUSH;
struct DRAWING_FONT;

// How a stretched copy picks its pixels: the nearest source pixel, or an
// average of the source pixels each destination pixel covers.
constexpr int32_t STRETCH_COLOR_ON_COLOR = 3;
constexpr int32_t STRETCH_HALFTONE = 4;

struct DEVICE_CONTEXT;
// Asked for the colour of each line of text drawn through a context that has
// it, with the box the line takes on the surface; it sees the context's text
// colour and the alternative colour set with it.
using TEXT_COLOUR_CHOICE = COLOUR_VALUE (*)(const DEVICE_CONTEXT* dc, const RECT_AREA& line_box);

struct DC_STATE {
    COLOUR_VALUE Text_Colour;
    // A second colour for the same text (set with Set_Text_Colours) and
    // whether there is one; the colour choice may draw it instead.
    COLOUR_VALUE Alternative_Text_Colour;
    bool Has_Alternative_Text_Colour;
    TEXT_COLOUR_CHOICE Text_Colour_Choice; // nullptr: the text colour as it is
    COLOUR_VALUE Background_Colour;
    int32_t Background_Mode;
    RECT_AREA Clip; // drawing is limited to this rectangle of the surface
    // Selected objects (nullptr: the context's defaults, a black 1-pixel pen,
    // a white brush and the default font) and the pen's current position.
    DRAWING_PEN* Pen;
    DRAWING_BRUSH* Brush;
    DRAWING_FONT* Font;
    int32_t Position_X;
    int32_t Position_Y;
    int32_t Stretch_Mode;
};

struct DEVICE_CONTEXT {
    DRAWING_SURFACE* Surface;
    DC_STATE State;
    std::vector<DC_STATE> Saved;
};

// Gives the surface a size and fills it with opaque black; 0 for a size
// that is not positive or too large (nothing changes then).
int Resize_Drawing_Surface(DRAWING_SURFACE* surface, int32_t width, int32_t height);
void Free_Drawing_Surface(DRAWING_SURFACE* surface);
// The pixel at (x, y), or 0 outside the surface.
uint32_t Get_Surface_Pixel(const DRAWING_SURFACE* surface, int32_t x, int32_t y);

// Points the context at a surface with the default state (black text, opaque
// white background, clip = the whole surface) and an empty stack.
void Attach_Device_Context(DEVICE_CONTEXT* dc, DRAWING_SURFACE* surface);
// Pushes the current state; returns the new depth of the stack.
int32_t Save_Device_Context(DEVICE_CONTEXT* dc);
// Pops the most recent state; 0 when nothing was saved.
int Restore_Device_Context(DEVICE_CONTEXT* dc);
// Sets the text colour; the context then has no alternative colour.
void Set_Text_Colour(DEVICE_CONTEXT* dc, COLOUR_VALUE colour);
// Sets the text colour and the alternative a colour choice may draw instead.
void Set_Text_Colours(DEVICE_CONTEXT* dc, COLOUR_VALUE colour, COLOUR_VALUE alternative);
// Returns the previous choice.
TEXT_COLOUR_CHOICE Set_Text_Colour_Choice(DEVICE_CONTEXT* dc, TEXT_COLOUR_CHOICE choice);
void Set_Background_Mode(DEVICE_CONTEXT* dc, int32_t mode);
void Set_Background_Colour(DEVICE_CONTEXT* dc, COLOUR_VALUE colour);
// Returns the previous mode.
int32_t Set_Stretch_Mode(DEVICE_CONTEXT* dc, int32_t mode);
// Narrows the clip to its intersection with `area`.
void Intersect_Clip_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& area);
// The part of `area` that drawing through `dc` may touch (clip and surface);
// false when nothing is left.
bool Get_Drawable_Area(const DEVICE_CONTEXT* dc, const RECT_AREA& area, RECT_AREA* out);

// Fills the pixels x in [left, right), y in [top, bottom) that lie inside the
// clip rectangle and the surface.
void Fill_Surface_Area(DEVICE_CONTEXT* dc, const RECT_AREA& area, COLOUR_VALUE colour);
