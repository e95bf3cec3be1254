#include "app/drawing_services.h"

#include <cstddef>
#include <cstring>
#include <deque>
#include <string>

#include "app/design_scaling.h"
#include "app/main_window_dc.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"

namespace {
std::deque<DRAWN_TEXT> Drawn_Texts;

// Where Draw_Text_In_Rect puts the lines: aligned by the format within the
// rectangle, single lines centred or dropped to its bottom on request. The
// blanks that end a single line take their place but show nothing, so the
// box ends with the line's last letter.
RECT_AREA Lay_Out_Lines(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& area, uint32_t format) {
    RECT_AREA measured = area;
    const int32_t height = Draw_Text_In_Rect(dc, text, -1, &measured, format | TEXT_CALCULATE_RECT);
    const int32_t width = measured.Right - measured.Left;
    int32_t shown = width;
    const size_t length = std::strlen(text);
    if ((format & TEXT_SINGLE_LINE) != 0 && length > 0 && text[length - 1] == ' ') {
        std::string letters = text;
        letters.erase(letters.find_last_not_of(' ') + 1);
        RECT_AREA trimmed = area;
        Draw_Text_In_Rect(dc, letters.c_str(), -1, &trimmed, format | TEXT_CALCULATE_RECT);
        shown = trimmed.Right - trimmed.Left;
    }
    int32_t left = area.Left, top = area.Top;
    if ((format & TEXT_CENTRE) != 0)
        left = area.Left + (area.Right - area.Left - width) / 2;
    else if ((format & TEXT_RIGHT) != 0)
        left = area.Right - width;
    if ((format & TEXT_SINGLE_LINE) != 0) {
        if ((format & TEXT_VERTICAL_CENTRE) != 0)
            top = area.Top + (area.Bottom - area.Top - height) / 2;
        else if ((format & TEXT_BOTTOM) != 0)
            top = area.Bottom - height;
    }
    return {left, top, left + shown, top + height};
}
} // namespace

void Note_Drawn_Text(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format) {
    if (dc == nullptr || text == nullptr) return;
    DRAWN_TEXT drawn{};
    safe_strncpy(drawn.Text, text, DRAWN_TEXT_SIZE);
    drawn.Rect = rect;
    drawn.Format = format;
    drawn.Colour = dc->State.Text_Colour;
    drawn.Background_Mode = dc->State.Background_Mode;
    drawn.Box = Lay_Out_Lines(dc, text, rect, format);
    FONT_METRICS metrics{};
    Get_Font_Metrics(dc, &metrics);
    int32_t ink_top = 0, ink_bottom = 0;
    Measure_Text_Ink_Rows(dc, text, -1, &ink_top, &ink_bottom);
    drawn.Letters = {drawn.Box.Left, drawn.Box.Top + ink_top, drawn.Box.Right,
                     drawn.Box.Bottom - metrics.Height + ink_bottom};
    drawn.Surface = dc->Surface;
    if (Drawn_Texts.size() >= static_cast<size_t>(DRAWN_TEXT_LIMIT)) Drawn_Texts.pop_front();
    Drawn_Texts.push_back(drawn);
}

int32_t Draw_Text_In_Scaled_Rect(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                                 int32_t scale) {
    if (dc == nullptr || text == nullptr) return 0;
    RECT_AREA view;
    Get_View_Rect(&view);
    RECT_AREA area = rect;
    if (scale != 0) Scale_Rect_To_Window(&area);
    if ((format & TEXT_VERTICAL_CENTRE) != 0 && (format & TEXT_SINGLE_LINE) == 0) {
        RECT_AREA measured = area;
        const int32_t height = Draw_Text_In_Rect(
            dc, text, -1, &measured, (format | TEXT_WORD_BREAK | TEXT_CALCULATE_RECT | TEXT_NO_PREFIX));
        const int32_t spare = (area.Bottom - area.Top) - height;
        if (spare > 0) area.Top += spare / 2;
    }
    const uint32_t drawn_format = format | TEXT_NO_PREFIX;
    Note_Drawn_Text(dc, text, area, drawn_format);
    const int32_t height = Draw_Text_In_Rect(dc, text, -1, &area, drawn_format);
    if (scale != 0 && view.Bottom - view.Top > DESIGN_HEIGHT)
        return Mul_Div_Round(height, DESIGN_HEIGHT, view.Bottom - view.Top);
    return height;
}

int32_t Get_Drawn_Text_Count() {
    return static_cast<int32_t>(Drawn_Texts.size());
}

const DRAWN_TEXT* Get_Drawn_Text(int32_t i) {
    if (i < 0 || i >= Get_Drawn_Text_Count()) return nullptr;
    return &Drawn_Texts[static_cast<size_t>(i)];
}

void Clear_Drawn_Texts() {
    Drawn_Texts.clear();
}
