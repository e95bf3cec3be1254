#include "dialogs/dialog_text_painting.h"

#include <algorithm>
#include <cmath>

#include "app/dialog_services.h"
#include "app/drawing_services.h"
#include "app/image_drawing.h"
#include "app/skins.h"
#include "database/safe_strings.h"
#include "platform/dialogs.h"
#include "platform/text_render.h"
#include "platform/windows.h"

namespace {
constexpr int32_t BUBBLE_CORNER = 10;
constexpr int32_t PATH_SIZE = 260;
constexpr COLOUR_VALUE WHITE = Make_Colour(255, 255, 255);
constexpr COLOUR_VALUE BLACK = Make_Colour(0, 0, 0);

// How far row `y` (0 .. radius - 1 from the top of a corner) of a rounded
// corner lies inside the box's straight edge.
int32_t Corner_Inset(int32_t y, int32_t radius) {
    const double dy = radius - y - 0.5;
    const double dx = std::sqrt(static_cast<double>(radius) * radius - dy * dy);
    return static_cast<int32_t>(std::lround(radius - dx));
}
} // namespace

void Draw_Text_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t id, const char* text,
                          COLOUR_VALUE colour, uint32_t flags) {
    if (dc == nullptr || text == nullptr) return;
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, id, &rect);
    Save_Device_Context(dc);
    Select_Font(dc, Get_Window_Font(Get_Dialog_Item(dialog, id)));
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    Set_Text_Colour(dc, colour);
    Note_Drawn_Text(dc, text, rect, flags | TEXT_NO_PREFIX);
    Draw_Text_In_Rect(dc, text, -1, &rect, flags | TEXT_NO_PREFIX);
    Restore_Device_Context(dc);
}

void Draw_Skin_Picture_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t id, const char* name) {
    char path[PATH_SIZE];
    safe_strncpy(path, name, PATH_SIZE);
    Get_Skin_File_Path(path, PATH_SIZE);
    Draw_Cached_Image_On_Control(dialog, dc, id, path);
}

void Draw_Speech_Bubble(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t id) {
    if (dc == nullptr) return;
    RECT_AREA box;
    Get_Dialog_Item_Rect(dialog, id, &box);
    const int32_t height = box.Bottom - box.Top;
    const int32_t width = box.Right - box.Left;
    if (width <= 2 || height <= 2) return;
    const int32_t radius = std::min(BUBBLE_CORNER / 2, std::min(width, height) / 2);
    // Row by row: the white inside and the black edge pixels at both ends.
    for (int32_t y = 0; y < height; ++y) {
        int32_t inset = 0;
        if (y < radius) inset = Corner_Inset(y, radius);
        if (y >= height - radius) inset = Corner_Inset(height - 1 - y, radius);
        const int32_t left = box.Left + inset;
        const int32_t right = box.Right - inset;
        const int32_t row = box.Top + y;
        const bool edge_row = y == 0 || y == height - 1;
        Fill_Surface_Area(dc, {left, row, right, row + 1}, edge_row ? BLACK : WHITE);
        if (edge_row) continue;
        // The outline follows the curve: each row joins the previous row's end.
        int32_t previous = inset;
        if (y < radius && y > 0) previous = Corner_Inset(y - 1, radius);
        if (y >= height - radius && y < height - 1) previous = Corner_Inset(height - y - 2, radius);
        const int32_t reach = std::max(previous - inset, 1);
        Fill_Surface_Area(dc, {left, row, left + reach, row + 1}, BLACK);
        Fill_Surface_Area(dc, {right - reach, row, right, row + 1}, BLACK);
    }
}
