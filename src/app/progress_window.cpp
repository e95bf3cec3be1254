#include "app/progress_window.h"

#include <algorithm>
#include <cstdio>

#include "app/dialog_brushes.h"
#include "app/dialog_services.h"
#include "app/main_window.h"
#include "database/safe_strings.h"
#include "platform/backend.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/message_queue.h"
#include "platform/windows.h"

WINDOW_HANDLE Progress_Window = NO_WINDOW;

namespace {
constexpr int32_t PROGRESS_DIALOG_ID = 189;
constexpr int32_t PROGRESS_BAR_CONTROL = 1436;
constexpr int32_t PERCENT_MODE = 1;
constexpr int32_t TEXT_SIZE = 256;
constexpr int32_t PROGRESS_TEXT_FONT = 16;

const DIALOG_CONTROL PROGRESS_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, PROGRESS_TEXT_CONTROL, {20, 4, 210, 26}, "", CONTROL_CENTRE_TEXT},
};
const DIALOG_TEMPLATE PROGRESS_TEMPLATE = {
    PROGRESS_DIALOG_ID,
    "",
    250,
    66,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    PROGRESS_CONTROLS,
    static_cast<int32_t>(sizeof PROGRESS_CONTROLS / sizeof PROGRESS_CONTROLS[0]),
    0};

int32_t progress_mode = PERCENT_MODE;
int32_t progress_position = 0;
int32_t progress_range = 0;
WINDOW_HANDLE progress_bar = NO_WINDOW;
char progress_text[TEXT_SIZE] = "";

WINDOW_HANDLE Create_Progress_Bar(WINDOW_HANDLE parent, int32_t left, int32_t top, int32_t right,
                                  int32_t bottom, int32_t range) {
    const WINDOW_HANDLE bar =
        Create_Window(Get_Control_Class_Name(CONTROL_PROGRESS_BAR), "Position", WINDOW_CHILD | WINDOW_VISIBLE,
                      {left, top, right, bottom}, parent, PROGRESS_BAR_CONTROL, 0);
    if (bar == NO_WINDOW) return NO_WINDOW;
    Send_Window_Message(bar, MSG_PROGRESS_SET_RANGE, 0, range);
    Send_Window_Message(bar, MSG_PROGRESS_SET_STEP, 1, 0);
    return bar;
}

intptr_t Progress_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_CONTROL_COLOUR_DIALOG:
    case MSG_CONTROL_COLOUR_STATIC:
    case MSG_CONTROL_COLOUR_SCROLL_BAR:
        return Handle_Dialog_Control_Color(code, dialog, static_cast<WINDOW_HANDLE>(lparam),
                                           reinterpret_cast<DEVICE_CONTEXT*>(wparam));
    case MSG_INIT_DIALOG:
        Set_Dialog_Controls_App_Font(dialog, PROGRESS_TEXT_FONT, {PROGRESS_TEXT_CONTROL});
        // The range is taken as a 16-bit number, as the bar keeps it.
        progress_bar = Create_Progress_Bar(dialog, 30, 60, 345, 90,
                                           progress_mode == PERCENT_MODE ? (progress_range & 0xFFFF) : 200);
        Set_Dialog_Item_Text(dialog, PROGRESS_TEXT_CONTROL, progress_text);
        return 1;
    case MSG_PAINT:
        Set_Dialog_Item_Text(dialog, PROGRESS_TEXT_CONTROL, progress_text);
        return 0;
    default:
        return 0;
    }
}

void Show_Progress_Now() {
    if (!Is_Window(Progress_Window)) return;
    // Only the text and the bar change from step to step, and each marks
    // itself for repainting; the dialog's own face is painted when it is
    // shown or uncovered.
    Set_Dialog_Item_Text(Progress_Window, PROGRESS_TEXT_CONTROL, progress_text);
    Update_Window(Progress_Window);
    Update_Window(Get_Dialog_Item(Progress_Window, PROGRESS_TEXT_CONTROL));
    if (Is_Window(progress_bar)) Update_Window(progress_bar);
}

void Step_Once(const char* text) {
    progress_position = std::min(progress_position + 1, progress_range);
    if (text != nullptr)
        safe_strncpy(progress_text, text, TEXT_SIZE);
    else
        Format_Progress_Percent(progress_text);
    if (Is_Window(progress_bar)) Send_Window_Message(progress_bar, MSG_PROGRESS_STEP, 0, 0);
    Show_Progress_Now();
}
} // namespace

int Open_Progress_Window(const char* caption, int range) {
    if (Progress_Window != NO_WINDOW && Is_Window(Progress_Window)) return 0;
    progress_mode = PERCENT_MODE;
    progress_position = 0;
    progress_range = range;
    progress_text[0] = '\0';
    const WINDOW_HANDLE owner = Is_Window(Main_Window) ? Main_Window : NO_WINDOW;
    Progress_Window = Create_Modeless_Dialog(owner, PROGRESS_TEMPLATE, Progress_Dialog_Proc, 0);
    if (Progress_Window == NO_WINDOW) return 0;
    Set_Window_Text(Progress_Window, caption != nullptr ? caption : "");
    Center_Progress_Window();
    Show_Window(Progress_Window, true);
    Enable_Window(Progress_Window, true);
    Pump_Messages();
    return 1;
}

void Step_Progress(int steps) {
    if (Progress_Window == NO_WINDOW || !Is_Window(Progress_Window)) return;
    for (int i = 0; i < steps; ++i)
        Step_Once(nullptr);
}

void Step_Progress_With_Text(const char* text) {
    if (Progress_Window == NO_WINDOW || !Is_Window(Progress_Window)) return;
    Step_Once(text);
}

void Close_Progress_Window() {
    if (Progress_Window == NO_WINDOW) return;
    const WINDOW_HANDLE window = Progress_Window;
    Progress_Window = NO_WINDOW;
    progress_bar = NO_WINDOW;
    if (Is_Window(window)) Destroy_Window(window);
    Pump_Messages();
}

bool Is_Progress_Window_Open() {
    return Progress_Window != NO_WINDOW && Is_Window(Progress_Window);
}

void Format_Progress_Percent(char* buffer) {
    if (buffer == nullptr) return;
    if (progress_mode != PERCENT_MODE) {
        buffer[0] = '\0';
        return;
    }
    const int64_t percent =
        progress_range == 0
            ? 0
            : (100 * static_cast<int64_t>(progress_position) + progress_range / 2) / progress_range;
    std::snprintf(buffer, TEXT_SIZE, "%d%%", static_cast<int>(percent));
}

int32_t Get_Progress_Position() {
    return progress_position;
}

const char* Get_Progress_Text() {
    return progress_text;
}

void Center_Progress_Window() {
    if (!Is_Window(Progress_Window)) return;
    RECT_AREA area, over, rect;
    Get_Platform_Backend().Get_Work_Area(&area);
    over = area;
    if (Is_Window(Main_Window)) Get_Window_Rect(Main_Window, &over);
    Get_Window_Rect(Progress_Window, &rect);
    const int32_t width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    int32_t left = over.Left + (over.Right - over.Left - width) / 2;
    int32_t top = over.Top + (over.Bottom - over.Top - height) / 2;
    left = std::min(left, std::min(area.Right, over.Right) - width);
    top = std::min(top, std::min(area.Bottom, over.Bottom) - height);
    left = std::max({left, area.Left, over.Left});
    top = std::max({top, area.Top, over.Top});
    Move_Window(Progress_Window, {left, top, left + width, top + height});
}
