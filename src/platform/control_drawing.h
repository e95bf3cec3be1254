#pragma once
// The look of the controls: the colours of the window furniture, the frames
// of buttons, check marks, arrows and the size grip, sunken fields, focus
// rectangles and a scroll bar. The controls draw with these, and so may
// owner-drawn lists and the views that want a button's frame.
#include <cstdint>

#include "platform/drawing_surface.h"

enum SYSTEM_COLOUR : int32_t {
    COLOUR_FACE,   // buttons and dialogs
    COLOUR_WINDOW, // the inside of fields and lists
    COLOUR_WINDOW_TEXT,
    COLOUR_HIGHLIGHT, // a selected item
    COLOUR_HIGHLIGHT_TEXT,
    COLOUR_GRAY_TEXT,  // a disabled control's text
    COLOUR_LIGHT_EDGE, // the lit edge of a raised frame
    COLOUR_SHADOW,     // the shaded edge
    COLOUR_DARK_SHADOW,
    COLOUR_SCROLL_TRACK,
    SYSTEM_COLOUR_COUNT
};
COLOUR_VALUE Get_System_Colour(int32_t which);

// Frames of Draw_Frame_Control.
enum FRAME_KIND : int32_t {
    FRAME_BUTTON,       // a push button's face and edges
    FRAME_CHECK_BOX,    // the box of a check box, with its mark when checked
    FRAME_RADIO_BUTTON, // the round box of a radio button
    FRAME_ARROW_UP,     // a scroll or spin button with its arrow
    FRAME_ARROW_DOWN,
    FRAME_ARROW_LEFT,
    FRAME_ARROW_RIGHT,
    FRAME_COMBO_ARROW,      // the drop-down button of a combo box
    FRAME_SIZE_GRIP,        // the diagonal ridges of a size grip
    FRAME_CAPTION_MAXIMIZE, // a caption's maximize button
    FRAME_CAPTION_RESTORE,  // a caption's restore button: two overlapping windows
};
// States of Draw_Frame_Control.
constexpr uint32_t FRAME_PUSHED = 0x1;
constexpr uint32_t FRAME_CHECKED = 0x2;
constexpr uint32_t FRAME_INACTIVE = 0x4;
constexpr uint32_t FRAME_FLAT = 0x8;
constexpr uint32_t FRAME_INDETERMINATE = 0x10;

// Draws the frame in `rect` (right and bottom exclusive). Check and radio
// boxes are drawn as a square of the rectangle's smaller side, centred.
void Draw_Frame_Control(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t kind, uint32_t state);
// A two-pixel sunken edge just inside `rect` (fields and lists); returns
// the area inside it.
RECT_AREA Draw_Sunken_Edge(DEVICE_CONTEXT* dc, const RECT_AREA& rect);
// A one-pixel dotted rectangle just inside `rect`.
void Draw_Focus_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& rect);

// A scroll bar as the lists and fields show one: `first` of `total` lines is
// at the top and `page` lines are shown.
struct SCROLL_RANGE {
    int32_t First;
    int32_t Page;
    int32_t Total;
};
constexpr int32_t SCROLL_BAR_SIZE = 16; // a vertical bar's width, a horizontal bar's height
// Where a point lies on a bar.
enum SCROLL_PART : int32_t {
    SCROLL_NONE,
    SCROLL_LINE_BACK,
    SCROLL_LINE_ON,
    SCROLL_PAGE_BACK,
    SCROLL_PAGE_ON,
    SCROLL_THUMB
};
void Draw_Scroll_Bar(DEVICE_CONTEXT* dc, const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range,
                     bool enabled);
int32_t Hit_Scroll_Bar(const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range, int32_t x, int32_t y);
RECT_AREA Get_Scroll_Thumb_Rect(const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range);
// The first line that puts the thumb's leading edge at `offset` pixels
// along the track.
int32_t Scroll_First_For_Thumb(const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range,
                               int32_t offset);
// The first line after a move by `part`, kept within 0 .. total - page.
int32_t Scroll_By_Part(const SCROLL_RANGE& range, int32_t part);
int32_t Clamp_Scroll_First(const SCROLL_RANGE& range, int32_t first);
