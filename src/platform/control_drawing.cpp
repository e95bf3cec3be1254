#include "platform/control_drawing.h"

#include <algorithm>

#include "platform/rect_math.h"

namespace {
const COLOUR_VALUE SYSTEM_COLOURS[SYSTEM_COLOUR_COUNT] = {
    Make_Colour(236, 236, 236), // face
    Make_Colour(255, 255, 255), // window
    Make_Colour(0, 0, 0),       // window text
    Make_Colour(0, 120, 215),   // highlight
    Make_Colour(255, 255, 255), // highlight text
    Make_Colour(128, 128, 128), // gray text
    Make_Colour(255, 255, 255), // light edge
    Make_Colour(160, 160, 160), // shadow
    Make_Colour(105, 105, 105), // dark shadow
    Make_Colour(220, 220, 220), // scroll track
};

void Fill(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, COLOUR_VALUE colour) {
    Fill_Surface_Area(dc, {left, top, right, bottom}, colour);
}

// Top and left in one colour, bottom and right in another, one pixel wide.
void Draw_Edge_Pair(DEVICE_CONTEXT* dc, const RECT_AREA& r, COLOUR_VALUE top_left,
                    COLOUR_VALUE bottom_right) {
    Fill(dc, r.Left, r.Top, r.Right - 1, r.Top + 1, top_left);
    Fill(dc, r.Left, r.Top, r.Left + 1, r.Bottom - 1, top_left);
    Fill(dc, r.Left, r.Bottom - 1, r.Right, r.Bottom, bottom_right);
    Fill(dc, r.Right - 1, r.Top, r.Right, r.Bottom, bottom_right);
}

RECT_AREA Shrink(const RECT_AREA& r, int32_t by) {
    return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

// A raised (or, pushed, sunken) button body filling `r`.
void Draw_Button_Body(DEVICE_CONTEXT* dc, const RECT_AREA& r, uint32_t state) {
    Fill_Surface_Area(dc, r, Get_System_Colour(COLOUR_FACE));
    if ((state & FRAME_FLAT) != 0) {
        Draw_Edge_Pair(dc, r, Get_System_Colour(COLOUR_SHADOW), Get_System_Colour(COLOUR_SHADOW));
    } else if ((state & FRAME_PUSHED) != 0) {
        Draw_Edge_Pair(dc, r, Get_System_Colour(COLOUR_DARK_SHADOW), Get_System_Colour(COLOUR_DARK_SHADOW));
        Draw_Edge_Pair(dc, Shrink(r, 1), Get_System_Colour(COLOUR_SHADOW), Get_System_Colour(COLOUR_FACE));
    } else {
        Draw_Edge_Pair(dc, r, Get_System_Colour(COLOUR_LIGHT_EDGE), Get_System_Colour(COLOUR_DARK_SHADOW));
        Draw_Edge_Pair(dc, Shrink(r, 1), Get_System_Colour(COLOUR_FACE), Get_System_Colour(COLOUR_SHADOW));
    }
}

// A solid triangle pointing `direction` (0 up, 1 down, 2 left, 3 right),
// centred in `r`.
void Draw_Arrow(DEVICE_CONTEXT* dc, const RECT_AREA& r, int32_t direction, COLOUR_VALUE colour) {
    const int32_t width = r.Right - r.Left, height = r.Bottom - r.Top;
    const int32_t size = std::max(2, std::min(width, height) / 4 + 1);
    const int32_t cx = r.Left + width / 2, cy = r.Top + height / 2;
    for (int32_t i = 0; i < size; ++i) {
        switch (direction) {
        case 0:
            Fill(dc, cx - i, cy - size / 2 + i, cx + i + 1, cy - size / 2 + i + 1, colour);
            break;
        case 1:
            Fill(dc, cx - i, cy + size / 2 - i, cx + i + 1, cy + size / 2 - i + 1, colour);
            break;
        case 2:
            Fill(dc, cx - size / 2 + i, cy - i, cx - size / 2 + i + 1, cy + i + 1, colour);
            break;
        default:
            Fill(dc, cx + size / 2 - i, cy - i, cx + size / 2 - i + 1, cy + i + 1, colour);
            break;
        }
    }
}

RECT_AREA Centred_Square(const RECT_AREA& r) {
    const int32_t side = std::min(r.Right - r.Left, r.Bottom - r.Top);
    const int32_t left = r.Left + (r.Right - r.Left - side) / 2, top = r.Top + (r.Bottom - r.Top - side) / 2;
    return {left, top, left + side, top + side};
}

void Draw_Check_Box(DEVICE_CONTEXT* dc, const RECT_AREA& rect, uint32_t state) {
    const RECT_AREA box = Centred_Square(rect);
    const bool inactive = (state & FRAME_INACTIVE) != 0;
    const RECT_AREA inner = Draw_Sunken_Edge(dc, box);
    Fill_Surface_Area(
        dc, inner, Get_System_Colour(inactive || (state & FRAME_PUSHED) != 0 ? COLOUR_FACE : COLOUR_WINDOW));
    const COLOUR_VALUE mark = Get_System_Colour(inactive ? COLOUR_GRAY_TEXT : COLOUR_WINDOW_TEXT);
    const int32_t side = inner.Right - inner.Left;
    if ((state & FRAME_INDETERMINATE) != 0) {
        Fill_Surface_Area(dc, Shrink(inner, std::max(2, side / 4)), Get_System_Colour(COLOUR_SHADOW));
    } else if ((state & FRAME_CHECKED) != 0 && side >= 5) {
        // A tick: down from the left third, then up to the right.
        const int32_t low_x = inner.Left + side * 2 / 5, low_y = inner.Bottom - 1 - side / 5;
        for (int32_t x = inner.Left + side / 5; x <= inner.Right - 1 - side / 5; ++x) {
            const int32_t y = x <= low_x ? low_y - (low_x - x) : low_y - (x - low_x);
            Fill(dc, x, y - 2, x + 1, y + 1, mark);
        }
    }
}

void Draw_Radio_Box(DEVICE_CONTEXT* dc, const RECT_AREA& rect, uint32_t state) {
    const RECT_AREA box = Centred_Square(rect);
    const int32_t side = box.Right - box.Left;
    const bool inactive = (state & FRAME_INACTIVE) != 0;
    const double r = side / 2.0, cx = box.Left + r, cy = box.Top + r;
    for (int32_t y = box.Top; y < box.Bottom; ++y) {
        for (int32_t x = box.Left; x < box.Right; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d2 = dx * dx + dy * dy;
            if (d2 > r * r) continue;
            COLOUR_VALUE colour = Get_System_Colour(inactive ? COLOUR_FACE : COLOUR_WINDOW);
            if (d2 > (r - 1.2) * (r - 1.2))
                colour = Get_System_Colour(dx + dy < 0 ? COLOUR_SHADOW : COLOUR_LIGHT_EDGE);
            else if ((state & FRAME_CHECKED) != 0 && d2 <= (r / 2.4) * (r / 2.4))
                colour = Get_System_Colour(inactive ? COLOUR_GRAY_TEXT : COLOUR_WINDOW_TEXT);
            Fill(dc, x, y, x + 1, y + 1, colour);
        }
    }
}

// Three pairs of diagonal ridges in the lower-right triangle.
void Draw_Size_Grip_Ridges(DEVICE_CONTEXT* dc, const RECT_AREA& r) {
    const int32_t side = std::min(r.Right - r.Left, r.Bottom - r.Top);
    for (int32_t k = 0; k < 3; ++k) {
        const int32_t offset = 3 + 4 * k;
        for (int32_t i = 0; i + offset < side; ++i) {
            const int32_t x = r.Right - 1 - i, y = r.Bottom - side + offset + i;
            if (y >= r.Bottom) break;
            Fill(dc, x, y, x + 1, y + 1, Get_System_Colour(COLOUR_LIGHT_EDGE));
            if (y + 1 < r.Bottom) Fill(dc, x, y + 1, x + 1, y + 2, Get_System_Colour(COLOUR_SHADOW));
            if (y + 2 < r.Bottom) Fill(dc, x, y + 2, x + 1, y + 3, Get_System_Colour(COLOUR_SHADOW));
        }
    }
}

int32_t Track_Length(const RECT_AREA& bar, bool vertical) {
    const int32_t length = vertical ? bar.Bottom - bar.Top : bar.Right - bar.Left;
    return std::max(0, length - 2 * SCROLL_BAR_SIZE);
}

int32_t Thumb_Length(const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range) {
    const int32_t track = Track_Length(bar, vertical);
    if (range.Total <= 0 || range.Page >= range.Total) return track;
    return std::min(
        track, std::max(8, static_cast<int32_t>(static_cast<int64_t>(track) * range.Page / range.Total)));
}
} // namespace

COLOUR_VALUE Get_System_Colour(int32_t which) {
    return which >= 0 && which < SYSTEM_COLOUR_COUNT ? SYSTEM_COLOURS[which] : 0;
}

void Draw_Frame_Control(DEVICE_CONTEXT* dc, const RECT_AREA& rect, int32_t kind, uint32_t state) {
    if (dc == nullptr || rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
    const COLOUR_VALUE arrow =
        Get_System_Colour((state & FRAME_INACTIVE) != 0 ? COLOUR_GRAY_TEXT : COLOUR_WINDOW_TEXT);
    RECT_AREA face = rect;
    if ((state & FRAME_PUSHED) != 0) face = Offset_Rect(face, 1, 1);
    switch (kind) {
    case FRAME_BUTTON:
        Draw_Button_Body(dc, rect, state);
        break;
    case FRAME_CHECK_BOX:
        Draw_Check_Box(dc, rect, state);
        break;
    case FRAME_RADIO_BUTTON:
        Draw_Radio_Box(dc, rect, state);
        break;
    case FRAME_ARROW_UP:
    case FRAME_ARROW_DOWN:
    case FRAME_ARROW_LEFT:
    case FRAME_ARROW_RIGHT:
        Draw_Button_Body(dc, rect, state);
        Draw_Arrow(dc, face, kind - FRAME_ARROW_UP, arrow);
        break;
    case FRAME_COMBO_ARROW:
        Draw_Button_Body(dc, rect, state);
        Draw_Arrow(dc, face, 1, arrow);
        break;
    case FRAME_SIZE_GRIP:
        Draw_Size_Grip_Ridges(dc, rect);
        break;
    case FRAME_CAPTION_MAXIMIZE: {
        Draw_Button_Body(dc, rect, state);
        const int32_t side = std::min(rect.Right - rect.Left, rect.Bottom - rect.Top);
        RECT_AREA box = Shrink(Centred_Square(face), std::max(3, side / 4));
        Fill(dc, box.Left, box.Top, box.Right, box.Top + 2, arrow);
        Draw_Edge_Pair(dc, box, arrow, arrow);
        break;
    }
    case FRAME_CAPTION_RESTORE: {
        Draw_Button_Body(dc, rect, state);
        const int32_t side = std::min(rect.Right - rect.Left, rect.Bottom - rect.Top);
        const RECT_AREA box = Shrink(Centred_Square(face), std::max(3, side / 4));
        const int32_t step = std::max(2, (box.Right - box.Left) / 4);
        const RECT_AREA back = {box.Left + step, box.Top, box.Right, box.Bottom - step};
        const RECT_AREA front = {box.Left, box.Top + step, box.Right - step, box.Bottom};
        Fill(dc, back.Left, back.Top, back.Right, back.Top + 2, arrow);
        Draw_Edge_Pair(dc, back, arrow, arrow);
        Fill(dc, front.Left, front.Top, front.Right, front.Bottom, Get_System_Colour(COLOUR_FACE));
        Fill(dc, front.Left, front.Top, front.Right, front.Top + 2, arrow);
        Draw_Edge_Pair(dc, front, arrow, arrow);
        break;
    }
    default:
        break;
    }
}

RECT_AREA Draw_Sunken_Edge(DEVICE_CONTEXT* dc, const RECT_AREA& rect) {
    if (dc != nullptr && rect.Right - rect.Left >= 4 && rect.Bottom - rect.Top >= 4) {
        Draw_Edge_Pair(dc, rect, Get_System_Colour(COLOUR_SHADOW), Get_System_Colour(COLOUR_LIGHT_EDGE));
        Draw_Edge_Pair(dc, Shrink(rect, 1), Get_System_Colour(COLOUR_DARK_SHADOW),
                       Get_System_Colour(COLOUR_FACE));
    }
    return Shrink(rect, 2);
}

void Draw_Focus_Rect(DEVICE_CONTEXT* dc, const RECT_AREA& r) {
    if (dc == nullptr) return;
    const COLOUR_VALUE colour = Get_System_Colour(COLOUR_WINDOW_TEXT);
    for (int32_t x = r.Left; x < r.Right; x += 2) {
        Fill(dc, x, r.Top, x + 1, r.Top + 1, colour);
        Fill(dc, x, r.Bottom - 1, x + 1, r.Bottom, colour);
    }
    for (int32_t y = r.Top; y < r.Bottom; y += 2) {
        Fill(dc, r.Left, y, r.Left + 1, y + 1, colour);
        Fill(dc, r.Right - 1, y, r.Right, y + 1, colour);
    }
}

RECT_AREA Get_Scroll_Thumb_Rect(const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range) {
    const int32_t track = Track_Length(bar, vertical), thumb = Thumb_Length(bar, vertical, range);
    const int32_t span = std::max(1, range.Total - range.Page);
    const int32_t offset = range.Total > range.Page
                               ? static_cast<int32_t>(static_cast<int64_t>(track - thumb) *
                                                      Clamp_Scroll_First(range, range.First) / span)
                               : 0;
    if (vertical) {
        const int32_t top = bar.Top + SCROLL_BAR_SIZE + offset;
        return {bar.Left, top, bar.Right, top + thumb};
    }
    const int32_t left = bar.Left + SCROLL_BAR_SIZE + offset;
    return {left, bar.Top, left + thumb, bar.Bottom};
}

void Draw_Scroll_Bar(DEVICE_CONTEXT* dc, const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range,
                     bool enabled) {
    if (dc == nullptr) return;
    Fill_Surface_Area(dc, bar, Get_System_Colour(COLOUR_SCROLL_TRACK));
    const uint32_t state = enabled && range.Total > range.Page ? 0 : FRAME_INACTIVE;
    if (vertical) {
        Draw_Frame_Control(dc, {bar.Left, bar.Top, bar.Right, bar.Top + SCROLL_BAR_SIZE}, FRAME_ARROW_UP,
                           state);
        Draw_Frame_Control(dc, {bar.Left, bar.Bottom - SCROLL_BAR_SIZE, bar.Right, bar.Bottom},
                           FRAME_ARROW_DOWN, state);
    } else {
        Draw_Frame_Control(dc, {bar.Left, bar.Top, bar.Left + SCROLL_BAR_SIZE, bar.Bottom}, FRAME_ARROW_LEFT,
                           state);
        Draw_Frame_Control(dc, {bar.Right - SCROLL_BAR_SIZE, bar.Top, bar.Right, bar.Bottom},
                           FRAME_ARROW_RIGHT, state);
    }
    if (state == 0) Draw_Frame_Control(dc, Get_Scroll_Thumb_Rect(bar, vertical, range), FRAME_BUTTON, 0);
}

int32_t Hit_Scroll_Bar(const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range, int32_t x, int32_t y) {
    if (x < bar.Left || x >= bar.Right || y < bar.Top || y >= bar.Bottom) return SCROLL_NONE;
    const int32_t along = vertical ? y - bar.Top : x - bar.Left;
    const int32_t length = vertical ? bar.Bottom - bar.Top : bar.Right - bar.Left;
    if (along < SCROLL_BAR_SIZE) return SCROLL_LINE_BACK;
    if (along >= length - SCROLL_BAR_SIZE) return SCROLL_LINE_ON;
    if (range.Total <= range.Page) return SCROLL_NONE;
    const RECT_AREA thumb = Get_Scroll_Thumb_Rect(bar, vertical, range);
    const int32_t start = vertical ? thumb.Top : thumb.Left, end = vertical ? thumb.Bottom : thumb.Right;
    const int32_t at = vertical ? y : x;
    if (at < start) return SCROLL_PAGE_BACK;
    if (at >= end) return SCROLL_PAGE_ON;
    return SCROLL_THUMB;
}

int32_t Scroll_First_For_Thumb(const RECT_AREA& bar, bool vertical, const SCROLL_RANGE& range,
                               int32_t offset) {
    const int32_t free_track = Track_Length(bar, vertical) - Thumb_Length(bar, vertical, range);
    if (free_track <= 0) return 0;
    const int32_t span = std::max(0, range.Total - range.Page);
    const int64_t first =
        (static_cast<int64_t>(std::clamp(offset, 0, free_track)) * span + free_track / 2) / free_track;
    return Clamp_Scroll_First(range, static_cast<int32_t>(first));
}

int32_t Clamp_Scroll_First(const SCROLL_RANGE& range, int32_t first) {
    return std::clamp(first, 0, std::max(0, range.Total - range.Page));
}

int32_t Scroll_By_Part(const SCROLL_RANGE& range, int32_t part) {
    const int32_t page = std::max(1, range.Page);
    switch (part) {
    case SCROLL_LINE_BACK:
        return Clamp_Scroll_First(range, range.First - 1);
    case SCROLL_LINE_ON:
        return Clamp_Scroll_First(range, range.First + 1);
    case SCROLL_PAGE_BACK:
        return Clamp_Scroll_First(range, range.First - page);
    case SCROLL_PAGE_ON:
        return Clamp_Scroll_First(range, range.First + page);
    default:
        return Clamp_Scroll_First(range, range.First);
    }
}
