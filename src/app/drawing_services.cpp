#include "app/drawing_services.h"

#include <cstddef>
#include <deque>

#include "app/design_scaling.h"
#include "app/diagnostics.h"
#include "app/main_window_dc.h"
#include "database/random_numbers.h"
#include "database/safe_strings.h"

namespace {
std::deque<DRAWN_TEXT> Drawn_Texts;

int32_t Count_Text_Lines(const char* text, uint32_t format) {
    if ((format & TEXT_SINGLE_LINE) != 0) return 1;
    int32_t lines = 1;
    for (const char* c = text; *c != '\0'; ++c)
        if (*c == '\n') ++lines;
    return lines;
}
} // namespace

void Fill_Rectangle(DEVICE_CONTEXT* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    COLOUR_VALUE colour) {
    if (dc == nullptr) return;
    Save_Device_Context(dc);
    Fill_Surface_Area(dc, {left, top, right + 1, bottom + 1}, colour);
    Restore_Device_Context(dc);
}

// There is no image loader yet, so no picture is ever available: the area is
// filled with the plain colour a picture without pixels gets.
int32_t Draw_Background_Image(DEVICE_CONTEXT* dc, const char* name, int32_t alpha, int32_t x1, int32_t y1,
                              int32_t x2, int32_t y2) {
    (void)name;
    (void)alpha;
    if (dc == nullptr) return 1;
    const int32_t unset = (x1 == -1) + (y1 == -1) + (x2 == -1) + (y2 == -1);
    if (unset != 0 && unset != 4) {
        Report_System_Error("Whaaaaa?");
        return 1;
    }
    if (unset == 4) {
        RECT_AREA whole;
        Get_Back_Buffer_Rect(&whole);
        Fill_Surface_Area(dc, whole, MISSING_IMAGE_COLOUR);
    } else {
        Fill_Surface_Area(dc, {x1, y1, x2 + 1, y2 + 1}, MISSING_IMAGE_COLOUR);
    }
    return 0;
}

int32_t Draw_Text_In_Scaled_Rect(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t format,
                                 int32_t scale) {
    if (dc == nullptr || text == nullptr) return 0;
    RECT_AREA area = rect;
    if (scale != 0) Scale_Rect_To_Window(&area);
    const int32_t height = Count_Text_Lines(text, format) * NOMINAL_TEXT_LINE_HEIGHT;
    if ((format & TEXT_VERTICAL_CENTRE) != 0 && (format & TEXT_SINGLE_LINE) == 0) {
        const int32_t spare = (area.Bottom - area.Top) - height;
        if (spare > 0) area.Top += spare / 2;
    }
    DRAWN_TEXT drawn{};
    safe_strncpy(drawn.Text, text, DRAWN_TEXT_SIZE);
    drawn.Rect = area;
    drawn.Format = format | TEXT_NO_PREFIX;
    drawn.Colour = dc->State.Text_Colour;
    drawn.Background_Mode = dc->State.Background_Mode;
    if (Drawn_Texts.size() >= static_cast<size_t>(DRAWN_TEXT_LIMIT)) Drawn_Texts.pop_front();
    Drawn_Texts.push_back(drawn);
    if (scale != 0 && Get_Back_Buffer_Height() > DESIGN_HEIGHT)
        return Mul_Div_Round(height, DESIGN_HEIGHT, Get_Back_Buffer_Height());
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
