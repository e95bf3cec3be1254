#pragma once
// Text on a device context, rendered with FreeType from the free faces of
// font_faces.h. Text is Windows-1252, as in the league's records, and is
// mapped to Unicode glyph by glyph.
#include <cstdint>
#include <vector>

#include "platform/drawing_surface.h"

// Layout flags of Draw_Text_In_Rect.
constexpr uint32_t TEXT_CENTRE = 0x1;
constexpr uint32_t TEXT_RIGHT = 0x2;
constexpr uint32_t TEXT_VERTICAL_CENTRE = 0x4; // single-line only
constexpr uint32_t TEXT_BOTTOM = 0x8;          // single-line only
constexpr uint32_t TEXT_WORD_BREAK = 0x10;
constexpr uint32_t TEXT_SINGLE_LINE = 0x20;
constexpr uint32_t TEXT_EXPAND_TABS = 0x40;
constexpr uint32_t TEXT_NO_CLIP = 0x100;
constexpr uint32_t TEXT_CALCULATE_RECT = 0x400;
constexpr uint32_t TEXT_NO_PREFIX = 0x800;

constexpr int32_t FONT_WEIGHT_NORMAL = 400;
constexpr int32_t FONT_WEIGHT_BOLD = 700;

struct FONT_REQUEST {
    // Positive: the height of a line (ascent plus descent); negative: the
    // height of the characters themselves, as the font's em square.
    int32_t Height;
    int32_t Weight;
    int32_t Escapement; // tenths of a degree, counter-clockwise
    char Face[32];
};

// nullptr when no face file can be found on this machine.
DRAWING_FONT* Create_Font(const FONT_REQUEST& request);
// 1 when deleted, 0 for none (or one deleted before). A font that windows
// still draw with is freed when the last of them lets it go.
int Delete_Font(DRAWING_FONT* font);
// Fonts made and not yet freed.
int32_t Count_Live_Fonts();
// The name of the free face the font was made from.
const char* Get_Font_Face_Used(const DRAWING_FONT* font);
// Returns what the context held before (nullptr: the default font).
DRAWING_FONT* Select_Font(DEVICE_CONTEXT* dc, DRAWING_FONT* font);

struct FONT_METRICS {
    int32_t Height; // ascent + descent
    int32_t Ascent;
    int32_t Descent;
    int32_t Internal_Leading;
    int32_t External_Leading;
    int32_t Average_Width;
};
void Get_Font_Metrics(const DEVICE_CONTEXT* dc, FONT_METRICS* metrics);

// Width in pixels of `length` characters (-1: up to the terminator) in the
// context's font, on one line.
int32_t Measure_Text_Width(const DEVICE_CONTEXT* dc, const char* text, int32_t length);
// The rows of a line's cell that the letters of `length` characters (-1: up
// to the terminator) cover, from the cell's top: *top the first, *bottom one
// past the last (both 0 for blanks), within the cell (the faint edge of a
// deep descender may reach a row below it). The rest of the cell is the
// font's room above capitals and below the baseline, which shows nothing.
void Measure_Text_Ink_Rows(const DEVICE_CONTEXT* dc, const char* text, int32_t length, int32_t* top,
                           int32_t* bottom);
// One line with the top-left of its cell at (x, y); with an opaque
// background the cell is filled first.
void Draw_Text_Out(DEVICE_CONTEXT* dc, int32_t x, int32_t y, const char* text, int32_t length);
// Lays the text out in `rect` by the flags: lines broken at line feeds and,
// with TEXT_WORD_BREAK, between words; "&" marks are removed unless
// TEXT_NO_PREFIX; drawing is clipped to the rectangle unless TEXT_NO_CLIP.
// With TEXT_CALCULATE_RECT nothing is drawn and the rectangle's right and
// bottom are set to bound the text. Returns the height of the text.
int32_t Draw_Text_In_Rect(DEVICE_CONTEXT* dc, const char* text, int32_t length, RECT_AREA* rect,
                          uint32_t format);

// One line of text as it lands on a surface: every pixel its glyphs cover,
// with the coverage it gets and what it held before the glyph was laid on it.
struct TEXT_INK_PIXEL {
    int32_t X;
    int32_t Y;
    uint32_t Before;
    uint8_t Coverage;
};
struct TEXT_LINE_INK {
    const DRAWING_SURFACE* Surface;
    const char* Text;
    COLOUR_VALUE Colour;
    std::vector<TEXT_INK_PIXEL> Pixels;
};
using TEXT_LINE_WATCHER = void (*)(const TEXT_LINE_INK& line);
// While a watcher is set it is called after every line drawn on any surface
// (the tests check with it what a reader sees); nullptr stops the watching.
void Set_Text_Line_Watcher(TEXT_LINE_WATCHER watcher);
