#include "platform/label_drawing.h"

void Draw_Label(DEVICE_CONTEXT* dc, const char* text, const RECT_AREA& rect, uint32_t flags,
                COLOUR_VALUE colour) {
    if (dc == nullptr || text == nullptr || text[0] == '\0') return;
    Save_Device_Context(dc);
    Set_Text_Colour(dc, colour);
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    RECT_AREA area = rect;
    Draw_Text_In_Rect(dc, text, -1, &area, flags & ~TEXT_NO_PREFIX);
    Restore_Device_Context(dc);
}

void Measure_Label_Block(const char* text, int32_t max_width, int32_t* width, int32_t* height) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    RECT_AREA area = {0, 0, max_width, 0};
    const int32_t measured =
        Draw_Text_In_Rect(&dc, text != nullptr ? text : "", -1, &area, TEXT_WORD_BREAK | TEXT_CALCULATE_RECT);
    if (width != nullptr) *width = area.Right - area.Left;
    if (height != nullptr) *height = measured;
}

int32_t Measure_Label_Width(const char* text) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    RECT_AREA area = {0, 0, 0, 0};
    Draw_Text_In_Rect(&dc, text != nullptr ? text : "", -1, &area, TEXT_SINGLE_LINE | TEXT_CALCULATE_RECT);
    return area.Right - area.Left;
}

int32_t Get_Label_Line_Height() {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    FONT_METRICS metrics{};
    Get_Font_Metrics(&dc, &metrics);
    return metrics.Height;
}
