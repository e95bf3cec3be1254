#pragma once
// What every view painter of the main window shares: the skin background, the
// application font taken for a stretch of drawing, text in design rectangles,
// the view colours with the Options' dark text, and the formats of signed
// fractions.
#include <cstdint>
#include <vector>

#include "app/drawing_primitives.h"

#include "platform/drawing_surface.h"
#include "views/game_day_screen.h"
#include "views/view_colours.h"

// Setting 44: the column setting a Choose Stat dialog edits.
constexpr int32_t CHOSEN_STAT_SETTING = 44;
// The character the views show for "no value": an en dash of the Windows-1252 code page.
constexpr char VIEW_DASH[] = "\x96";

// Sets Current_Background_Name to `file` inside the current skin's folder and
// draws it over the back buffer; 1 when drawn.
int32_t Draw_View_Background(DEVICE_CONTEXT* dc, const char* file);

// Selects application font `row` into the context while it lives (loading the
// fonts first when they are not loaded), then puts the previous font back and
// releases the row.
class VIEW_FONT {
  public:
    VIEW_FONT(DEVICE_CONTEXT* dc, int32_t row);
    ~VIEW_FONT();
    VIEW_FONT(const VIEW_FONT&) = delete;
    VIEW_FONT& operator=(const VIEW_FONT&) = delete;

  private:
    DEVICE_CONTEXT* Dc;
    struct DRAWING_FONT* Font;
    struct DRAWING_FONT* Previous;
};

// Text in a design rectangle of 768 x 507, scaled to the view.
void Draw_View_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format);
void Draw_View_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                    COLOUR_VALUE colour);
// In the colour the option picks of the two (view_colours.h).
void Draw_View_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                    const VIEW_COLOURS& colours);

// The font row for texts in design rectangles of the view (the cells of a
// table, or one text): `row` when each fits its rectangle as scaled to the
// view, else the largest smaller font of the text box they all fit in.
int32_t Fit_View_Font_Row(const std::vector<TEXT_CELL>& cells, uint32_t format, int32_t row);

// The skin's name compared without case.
bool Is_Skin_Named(const char* name);
// Design point inside a design rectangle, right and bottom excluded.
bool Is_Point_In_Design_Rect(const RECT_AREA& rect, int32_t x, int32_t y);

// A value in tenths as "%d.%d" with its sign kept: -5 is "-0.5", 613 "61.3".
void Format_Signed_Tenths(char* out, int32_t size, int64_t tenths);
// The same in hundredths: "%d.%02d", -5 is "-0.05".
void Format_Signed_Hundredths(char* out, int32_t size, int64_t hundredths);
// x * k / d rounded half up; one lower when the division leaves a remainder
// and x and d have opposite signs. 0 when d is 0.
int64_t Round_Ratio(int64_t x, int64_t k, int64_t d);
// The same written as the betting lines and the calendar use it: x * m + n / 2
// divided by n toward zero, one less for a negative x that n does not divide.
int64_t Round_Line_Ratio(int64_t x, int64_t m, int64_t n);

// A saved setting as an index into a table of `count` entries: a value
// outside 0 .. count - 1 reads as `fallback`.
int32_t Get_Setting_Index(int32_t setting, int32_t count, int32_t fallback);

// The click on a chosen column's heading: names the column's setting in
// setting 44, shows the column blank (`marker`) while dialog `dialog` chooses
// its stat, and gives the column its old stat back when the dialog is
// cancelled or leaves the marker in place. The view is painted afresh before
// and after. "button.wav" is played first, once the column shows blank, or
// not at all (the caller played it). True when a stat was chosen.
enum COLUMN_CLICK_SOUND { SOUND_BEFORE_BLANKING, SOUND_AFTER_BLANKING, NO_COLUMN_SOUND };
bool Choose_View_Column_Stat(int32_t dialog, int32_t setting, int32_t marker,
                             COLUMN_CLICK_SOUND sound = SOUND_BEFORE_BLANKING);
// Marks the view for painting again and repaints the main window.
void Repaint_View();
// Copies a design rectangle of the view's picture to the screen now, as it stands.
void Repaint_Design_Box(const RECT_AREA& design);
