#pragma once
// Small drawing routines every screen uses: fills and outlines with exact
// edge rules, frames of design rectangles, the noise texture, the
// shrink-to-fit text box, shadowed text and the choice of a team's logo file.
// Each routine makes and deletes its own drawing objects and leaves the
// context as it found it.
#include <cstdint>
#include <string>
#include <vector>

#include "app/drawing_random.h"
#include "platform/drawing_shapes.h"
#include "platform/drawing_surface.h"
#include "platform/handles.h"

// Fills (left, top)-(right, bottom) with right and bottom included.
void Fill_Rectangle(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    COLOUR_VALUE colour);
// Fills the rectangle grown by one pixel up and left: (left - 1, top - 1) to
// (right, bottom) inclusive.
int32_t Fill_Rectangle_Borderless(DEVICE_CONTEXT* dc, const RECT_AREA& rect, COLOUR_VALUE colour);
// A 1-pixel outline through the four corners, all of them included.
void Draw_Absolute_Line(DEVICE_CONTEXT* dc, const RECT_AREA& rect, COLOUR_VALUE colour);
// The polygon's inside, its outline not added; and the ellipse inscribed in
// (left, top)-(right, bottom) with right and bottom included.
void Fill_Polygon(DEVICE_CONTEXT* dc, const POINT_XY* points, int32_t count, COLOUR_VALUE colour);
void Fill_Ellipse(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  COLOUR_VALUE colour);
// A 1-pixel line between two design points scaled to the window (its end
// point not drawn), and the fills of a design rectangle and of the ellipse
// in it scaled to the window.
void Draw_Scaled_Line(DEVICE_CONTEXT* dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                      COLOUR_VALUE colour);
void Fill_Scaled_Rectangle(DEVICE_CONTEXT* dc, const RECT_AREA& design_rect, COLOUR_VALUE colour);
void Fill_Scaled_Ellipse(DEVICE_CONTEXT* dc, const RECT_AREA& design_rect, COLOUR_VALUE colour);
// The outline of a design rectangle scaled to the window, black or coloured.
void Draw_Scaled_Frame(DEVICE_CONTEXT* dc, const RECT_AREA* rect);
void Draw_Scaled_Frame_Color(DEVICE_CONTEXT* dc, const RECT_AREA* rect, COLOUR_VALUE colour);

// Random shades between the `_hi` and `_lo` channel bounds, all channels
// moving together, blurred by (blur_a, blur_b); draws from `source` when
// given, else from the league generator.
void Draw_Button_Noise(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t red_hi, int32_t red_lo,
                       int32_t green_hi, int32_t green_lo, int32_t blue_hi, int32_t blue_lo, double blur_a,
                       double blur_b, DRAWING_RANDOM* source = nullptr);
// The noise around a colour: each channel +- 15.
void Draw_Button_Noise_Around_Color(DEVICE_CONTEXT* dc, const RECT_AREA& rect, COLOUR_VALUE colour,
                                    double blur_a, double blur_b, DRAWING_RANDOM* source = nullptr);

// Font rows the text box tries, largest first.
constexpr int32_t TEXT_BOX_FONT_COUNT = 10;
extern const int32_t Text_Box_Fonts[TEXT_BOX_FONT_COUNT];
constexpr int32_t NO_PREFERRED_FONT = -1;

// Draws the text with the largest font of the list (from the preferred row,
// else from row 11) whose layout fits the rectangle, centred in it; returns
// the row used.
int32_t Draw_Text_Fitting_Box(DEVICE_CONTEXT* dc, const RECT_AREA& rect, const char* text, uint32_t flags,
                              int32_t preferred_row);
// The row the texts of one cell or column are drawn in: `preferred_row`
// when each of them lays out by `flags` within `rect` (its right and bottom
// not beyond the rectangle's), else the first font of the text-box list
// smaller than that row in which they all do; row 0, the smallest font of
// all, when none does.
int32_t Find_Fitting_Font_Row(const std::vector<std::string>& texts, const RECT_AREA& rect, uint32_t flags,
                              int32_t preferred_row);
constexpr int32_t SMALLEST_TEXT_BOX_FONT_ROW = 0;
// The same for texts each in a rectangle of its own (the cells of a table).
struct TEXT_CELL {
    std::string Text;
    RECT_AREA Rect;
};
int32_t Find_Fitting_Font_Row(const std::vector<TEXT_CELL>& cells, uint32_t flags, int32_t preferred_row);
// Whether each text, laid out by `flags` in `font`, has lines no wider than
// its cell and letters between the cell's top and bottom.
bool Do_Cells_Fit_Font(const std::vector<TEXT_CELL>& cells, uint32_t flags, DRAWING_FONT* font);
// The design rectangle is scaled to the window in place, narrowed by a
// twentieth of its width on each side, and filled with the text centred and
// word-wrapped.
void Draw_Scaled_Text_Box(DEVICE_CONTEXT* dc, RECT_AREA* rect, const char* text, int32_t preferred_row);
// The text box over a control's rectangle of a dialog, no preferred row.
void Draw_Text_Over_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, const char* text, uint32_t flags,
                            int32_t control_id);
// Black one unit right and down, then the colour, in a design rectangle.
// A context that fits text to its ground (app/text_contrast.h) fits the
// colour first, and a colour made dark gets a white shadow.
void Draw_Shadowed_Text(DEVICE_CONTEXT* dc, const char* text, COLOUR_VALUE colour,
                        const RECT_AREA& design_rect, uint32_t flags);
// Black one pixel right and down, then the context's text colour (fitted and
// shadowed as above).
void Draw_Shadowed_Text_Scaled(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& design_rect,
                               uint32_t flags);

constexpr int LOGO_PATH_SIZE = 64;
// "logos\<key>.png" (else .jpg, else .gif) of the team's location, the key
// telling apart the cities that had more than one franchise; else (and for a
// location that is no plain file name) the filler.
void Get_Team_Logo_Path(char* buffer, int32_t team);

// Per mille of the width of a dialog's column-ruler control against 512.
extern int32_t Dialog_Scale_Factor;
// Each position times 1,000 / Dialog_Scale_Factor, rounded (0 without a factor).
void Scale_Column_Positions(int32_t* positions, int32_t n);
