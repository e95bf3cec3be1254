#include "app/dialog_services.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

#include "app/app_fonts.h"
#include "app/drawing_primitives.h"
#include "database/string_table.h"
#include "platform/backend.h"
#include "platform/control_drawing.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/list_box.h"
#include "platform/list_view.h"
#include "platform/text_render.h"
#include "platform/windows.h"

namespace {
int32_t Width_Of(const RECT_AREA& rect) {
    return rect.Right - rect.Left;
}

int32_t Height_Of(const RECT_AREA& rect) {
    return rect.Bottom - rect.Top;
}

// Rows a list control holds, whichever kind it is.
int32_t Count_List_Rows(WINDOW_HANDLE list) {
    switch (Get_Control_Kind(list)) {
    case CONTROL_LIST_VIEW:
        return List_View_Get_Item_Count(list);
    case CONTROL_LIST_BOX:
        return List_Box_Get_Count(list);
    default:
        return 0;
    }
}

void Move_Control(WINDOW_HANDLE dialog, int32_t id, const RECT_AREA& rect) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    if (control != NO_WINDOW) Move_Window(control, rect);
}
} // namespace

void Set_Dialog_Control_Fonts(WINDOW_HANDLE dialog) {
    DEVICE_CONTEXT dc;
    Attach_Device_Context(&dc, nullptr);
    Select_Font(&dc, Get_Window_Font(dialog));
    FONT_METRICS metrics{};
    Get_Font_Metrics(&dc, &metrics);
    FONT_REQUEST request{};
    request.Height = -(metrics.Height - metrics.Internal_Leading);
    request.Weight = FONT_WEIGHT_BOLD;
    std::snprintf(request.Face, sizeof request.Face, "%s", "Ariel");
    DRAWING_FONT* bold = Create_Font(request);
    if (bold == nullptr) return;
    // The dialog keeps it: every opening makes one, every closing frees it.
    Keep_Font_With_Window(dialog, bold);
    for (WINDOW_HANDLE control : Get_Child_Windows(dialog))
        Set_Window_Font(control, bold, true);
}

void Set_Dialog_Controls_App_Font(WINDOW_HANDLE dialog, int32_t row, std::initializer_list<int32_t> ids) {
    DRAWING_FONT* font = Get_App_Font(row);
    for (int32_t id : ids)
        if (const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id); control != NO_WINDOW)
            Set_Window_Font(control, font, true);
    Release_App_Font(font);
}

void Set_Fitting_Control_App_Font(WINDOW_HANDLE dialog, int32_t id, int32_t row) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    RECT_AREA area;
    uint32_t flags = 0;
    if (control != NO_WINDOW && Get_Control_Text_Layout(control, &area, &flags))
        row = Find_Fitting_Font_Row({Get_Window_Text(control)}, area, flags, row);
    Set_Dialog_Controls_App_Font(dialog, row, {id});
}

namespace {
// No font a dialog makes to fit its texts is smaller than this (pixels a line).
constexpr int32_t SMALLEST_FITTED_FONT = 6;

// Whether every text fits its control's place in `font`.
bool Control_Texts_Fit(WINDOW_HANDLE dialog, const std::vector<CONTROL_TEXT>& texts, DRAWING_FONT* font) {
    for (const CONTROL_TEXT& text : texts) {
        RECT_AREA area;
        uint32_t flags = 0;
        const WINDOW_HANDLE control = Get_Dialog_Item(dialog, text.Id);
        if (control == NO_WINDOW || !Get_Control_Text_Layout(control, &area, &flags)) continue;
        if (!Do_Cells_Fit_Font({{text.Text, area}}, flags, font)) return false;
    }
    return true;
}

void Set_Controls_Font(WINDOW_HANDLE dialog, const std::vector<CONTROL_TEXT>& texts, DRAWING_FONT* font) {
    for (const CONTROL_TEXT& text : texts)
        if (const WINDOW_HANDLE control = Get_Dialog_Item(dialog, text.Id); control != NO_WINDOW)
            Set_Window_Font(control, font, true);
}
} // namespace

void Set_Fitting_Controls_Font(WINDOW_HANDLE dialog, const std::vector<CONTROL_TEXT>& texts, int32_t row) {
    DRAWING_FONT* given = Get_App_Font(row);
    if (given == nullptr) return;
    const bool fits = Control_Texts_Fit(dialog, texts, given);
    Set_Controls_Font(dialog, texts, given);
    Release_App_Font(given);
    if (fits) return;
    FONT_REQUEST request{};
    request.Weight = App_Font_Table[row].Weight;
    snprintf(request.Face, sizeof request.Face, "%s", App_Font_Faces[App_Font_Table[row].Face]);
    for (int32_t height = Get_App_Font_Height(row) - 1; height >= SMALLEST_FITTED_FONT; --height) {
        request.Height = height;
        DRAWING_FONT* font = Create_Font(request);
        if (font == nullptr) return;
        if (height > SMALLEST_FITTED_FONT && !Control_Texts_Fit(dialog, texts, font)) {
            Delete_Font(font);
            continue;
        }
        Keep_Font_With_Window(dialog, font);
        Set_Controls_Font(dialog, texts, font);
        return;
    }
}

void Center_Window_Over_Parent(WINDOW_HANDLE window, WINDOW_HANDLE parent) {
    Centre_Window_Over(window, parent);
}

void Center_In_Dialog_Units(int32_t width, int32_t height, int32_t x, int32_t y, POINT_XY* point) {
    if (point == nullptr) return;
    const int32_t base_width = Dialog_Units_To_Pixels_X(4), base_height = Dialog_Units_To_Pixels_Y(8);
    point->X = x * base_width / 4 - width / 2;
    point->Y = y * base_height / 8 - height / 2;
}

int32_t Enforce_Minimum_Dialog_Size(RECT_AREA* new_rect, const RECT_AREA& starting_rect, int32_t edge,
                                    int32_t flags) {
    if (new_rect == nullptr) return 1;
    const int32_t height = Height_Of(starting_rect), width = Width_Of(starting_rect);
    if (!((flags & GROW_HEIGHT) != 0 && Height_Of(*new_rect) >= height)) {
        if (edge == SIZING_EDGE_TOP || edge == SIZING_EDGE_TOP_LEFT || edge == SIZING_EDGE_TOP_RIGHT)
            new_rect->Top = new_rect->Bottom - height;
        else
            new_rect->Bottom = new_rect->Top + height;
    }
    if (!((flags & GROW_WIDTH) != 0 && Width_Of(*new_rect) >= width)) {
        if (edge == SIZING_EDGE_LEFT || edge == SIZING_EDGE_TOP_LEFT || edge == SIZING_EDGE_BOTTOM_LEFT)
            new_rect->Left = new_rect->Right - width;
        else
            new_rect->Right = new_rect->Left + width;
    }
    return 1;
}

bool Add_Dialog_Layout_Control(DIALOG_LAYOUT_STATE* state, int32_t id) {
    if (state == nullptr || state->Control_Count >= DIALOG_LAYOUT_MAX_CONTROLS) return false;
    state->Control_Ids[state->Control_Count++] = id;
    return true;
}

void Update_Dialog_Layout(WINDOW_HANDLE dialog, DIALOG_LAYOUT_STATE* state, int32_t mode) {
    if (state == nullptr) return;
    RECT_AREA area;
    Get_Platform_Backend().Get_Work_Area(&area);
    switch (mode) {
    case LAYOUT_CLEAR:
        *state = DIALOG_LAYOUT_STATE{};
        state->Unit_Rect = {0, 0, Dialog_Units_To_Pixels_X(4), Dialog_Units_To_Pixels_Y(8)};
        return;
    case LAYOUT_CAPTURE: {
        state->Control_Count = std::clamp(state->Control_Count, 0, DIALOG_LAYOUT_MAX_CONTROLS);
        for (int32_t i = 0; i < state->Control_Count; ++i)
            Get_Dialog_Item_Rect(dialog, state->Control_Ids[i], &state->Control_Rects[i]);
        Get_Dialog_Item_Rect(dialog, state->List_Id, &state->List_Rect);
        Get_Window_Rect(dialog, &state->Captured_Rect);
        const RECT_AREA& rect = state->Captured_Rect;
        Move_Window(dialog, {area.Left, area.Top, area.Left + Width_Of(rect), area.Top + Height_Of(rect)});
        return;
    }
    case LAYOUT_REMEMBER:
        Get_Window_Rect(dialog, &state->Remembered_Rect);
        state->Remembered = 1;
        return;
    case LAYOUT_FIT_ROWS: {
        const int32_t row = std::max(1, Height_Of(state->Unit_Rect));
        RECT_AREA list;
        Get_Dialog_Item_Rect(dialog, state->List_Id, &list);
        const int32_t shown = Height_Of(list) / row;
        const int32_t missing = Count_List_Rows(Get_Dialog_Item(dialog, state->List_Id)) - shown;
        if (missing > 0) {
            RECT_AREA rect;
            Get_Window_Rect(dialog, &rect);
            const int32_t height = std::min(Height_Of(rect) + missing * row, Height_Of(area));
            Move_Window(dialog, {rect.Left, rect.Top, rect.Right, rect.Top + height});
        }
        Update_Dialog_Layout(dialog, state, LAYOUT_ARRANGE_AND_PAINT);
        return;
    }
    case LAYOUT_ARRANGE:
    case LAYOUT_ARRANGE_AND_PAINT: {
        RECT_AREA rect;
        Get_Window_Rect(dialog, &rect);
        const int32_t dy = Height_Of(rect) - Height_Of(state->Captured_Rect);
        for (int32_t i = 0; i < std::min(state->Control_Count, DIALOG_LAYOUT_MAX_CONTROLS); ++i) {
            const RECT_AREA& from = state->Control_Rects[i];
            Move_Control(dialog, state->Control_Ids[i],
                         {from.Left, from.Top + dy, from.Right, from.Bottom + dy});
        }
        const RECT_AREA& list = state->List_Rect;
        Move_Control(dialog, state->List_Id,
                     {list.Left, list.Top, list.Right, std::max(list.Top, list.Bottom + dy)});
        if (mode == LAYOUT_ARRANGE_AND_PAINT) Redraw_Window(dialog);
        return;
    }
    default:
        return;
    }
}

void Get_Size_Grip_Rect(WINDOW_HANDLE window, RECT_AREA* rect) {
    if (rect == nullptr) return;
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    *rect = {client.Right - SCROLL_BAR_SIZE, client.Bottom - SCROLL_BAR_SIZE, client.Right, client.Bottom};
}

int32_t Hit_Test_Size_Grip(WINDOW_HANDLE dialog, int32_t screen_x, int32_t screen_y) {
    RECT_AREA grip;
    Get_Size_Grip_Rect(dialog, &grip);
    int32_t x = screen_x, y = screen_y;
    Screen_To_Client(dialog, &x, &y);
    if (x < grip.Left || x >= grip.Right || y < grip.Top || y >= grip.Bottom) return 0;
    Set_Dialog_Message_Result(dialog, HIT_BOTTOM_RIGHT);
    return 1;
}

void Draw_Size_Grip(WINDOW_HANDLE window, DEVICE_CONTEXT* dc) {
    if (dc == nullptr || Get_Window_Show_State(Get_Top_Level_Window(window)) != SHOW_STATE_NORMAL) return;
    RECT_AREA grip;
    Get_Size_Grip_Rect(window, &grip);
    Draw_Frame_Control(dc, grip, FRAME_SIZE_GRIP, 0);
}

void Get_Dialog_Item_Rect(WINDOW_HANDLE dialog, int32_t control_id, RECT_AREA* rect) {
    if (rect == nullptr) return;
    *rect = {0, 0, 0, 0};
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, control_id);
    if (control == NO_WINDOW) return;
    Get_Window_Rect(control, rect);
    Screen_To_Client_Rect(dialog, rect);
}

void Screen_To_Client_Rect(WINDOW_HANDLE window, RECT_AREA* rect) {
    if (rect == nullptr) return;
    Screen_To_Client(window, &rect->Left, &rect->Top);
    Screen_To_Client(window, &rect->Right, &rect->Bottom);
}

void Redraw_Control_Area(WINDOW_HANDLE dialog, int32_t control_id) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control_id, &rect);
    if (!Is_Window(dialog)) return;
    Invalidate_Window(dialog, &rect);
    Update_Window(dialog);
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, control_id);
    if (control != NO_WINDOW) Repaint_Window(control);
}

void Redraw_Window(WINDOW_HANDLE window) {
    Repaint_Window(window);
}

void Format_Build_Date(int64_t when, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return;
    const std::time_t time = static_cast<std::time_t>(when);
    std::tm local{};
    localtime_r(&time, &local);
    char weekday[RESOURCE_STRING_LIMIT], month[RESOURCE_STRING_LIMIT];
    // The table's week starts on Monday; tm_wday counts from Sunday.
    Load_Resource_String(STRING_WEEKDAY_NAMES + (local.tm_wday + 6) % 7, weekday);
    Load_Resource_String(STRING_MONTH_NAMES + local.tm_mon, month);
    std::snprintf(buffer, static_cast<size_t>(size), "Created: %s, %s %d, %d", weekday, month, local.tm_mday,
                  local.tm_year + 1900);
}

void Show_Build_Date(WINDOW_HANDLE dialog) {
    struct stat info {};
    if (stat("/proc/self/exe", &info) != 0) return;
    char line[128];
    Format_Build_Date(static_cast<int64_t>(info.st_mtime), line, sizeof line);
    Set_Dialog_Item_Text(dialog, BUILD_DATE_TEXT, line);
}
