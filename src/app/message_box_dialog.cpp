#include "app/message_box_dialog.h"

#include "app/dialog_brushes.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/app_fonts.h"
#include "app/diagnostics.h"
#include "app/drawing_services.h"
#include "app/main_window.h"
#include "app/main_window_dc.h"
#include "app/modal_dialogs.h"
#include "database/random_numbers.h"
#include "platform/backend.h"
#include "platform/label_drawing.h"
#include "platform/message_box.h"
#include "platform/text_render.h"
#include "platform/windows.h"

namespace {
const DIALOG_CONTROL MESSAGE_CONTROLS[] = {
    {CONTROL_PUSH_BUTTON,
     MESSAGE_FIRST_BUTTON,
     {10, 40, 50, 14},
     "",
     WINDOW_TAB_STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, MESSAGE_SECOND_BUTTON, {70, 40, 50, 14}, "", WINDOW_TAB_STOP},
    {CONTROL_PUSH_BUTTON, MESSAGE_THIRD_BUTTON, {130, 40, 50, 14}, "", WINDOW_TAB_STOP},
    {CONTROL_STATIC_TEXT, MESSAGE_TEXT, {10, 8, 170, 24}, "", CONTROL_HIDDEN},
};

// The box's message area may grow to 682 x 507 design units of the window.
constexpr int32_t TEXT_AREA_WIDTH = 682;
constexpr int32_t TEXT_AREA_HEIGHT = 507;
constexpr int32_t DESIGN_WIDTH_UNITS = 768;
constexpr int32_t MARGIN = 16;
constexpr int32_t BUTTON_HEIGHT = 24;
constexpr int32_t MINIMUM_TEXT_WIDTH = 120;
constexpr int32_t BUTTON_IDS[3] = {MESSAGE_FIRST_BUTTON, MESSAGE_SECOND_BUTTON, MESSAGE_THIRD_BUTTON};
// Application font row of the buttons.
constexpr int32_t MESSAGE_BUTTON_FONT = 17;

bool Has_Line_Break(const std::string& text) {
    return text.find('\n') != std::string::npos;
}

void Lay_Out_Message_Box(WINDOW_HANDLE dialog, const USER_MESSAGE_RECORD& record) {
    const char* labels[3] = {record.Texts[3], record.Texts[4], record.Texts[5]};
    // The buttons speak in the button font and are measured in it.
    DRAWING_FONT* font = Get_App_Font(MESSAGE_BUTTON_FONT);
    DEVICE_CONTEXT measure;
    Attach_Device_Context(&measure, nullptr);
    Select_Font(&measure, font);
    const int32_t gap = 2 * Measure_Text_Width(&measure, "    ", -1);
    int32_t row_width = gap;
    int32_t needed[3] = {0, 0, 0};
    for (int32_t i = 0; i < 3; ++i) {
        const WINDOW_HANDLE button = Get_Dialog_Item(dialog, BUTTON_IDS[i]);
        if (labels[i] == nullptr || labels[i][0] == '\0') {
            if (button != NO_WINDOW) Destroy_Window(button);
            continue;
        }
        Set_Window_Text(button, labels[i]);
        Set_Window_Font(button, font, true);
        RECT_AREA rect;
        Get_Window_Rect(button, &rect);
        needed[i] = std::max(rect.Right - rect.Left, 2 * Measure_Text_Width(&measure, labels[i], -1));
        row_width += needed[i] + gap;
    }
    Select_Font(&measure, nullptr);
    // The font row lives on; the buttons only point at it.
    Release_App_Font(font);
    // The text area: 682 x 507 design units scaled as the views are.
    RECT_AREA owner_client = {0, 0, DESIGN_WIDTH_UNITS, TEXT_AREA_HEIGHT};
    if (Is_Window(Main_Window)) Get_Client_Rect(Main_Window, &owner_client);
    const int32_t limit = owner_client.Right > DESIGN_WIDTH_UNITS
                              ? Mul_Div_Round(TEXT_AREA_WIDTH, owner_client.Right, DESIGN_WIDTH_UNITS)
                              : TEXT_AREA_WIDTH;
    const std::string message = record.Texts[1] != nullptr ? record.Texts[1] : "";
    int32_t text_width = 0, text_height = 0;
    Measure_Label_Block(message.c_str(), limit, &text_width, &text_height);
    const int32_t client_width = std::max({row_width, text_width + 2 * MARGIN, MINIMUM_TEXT_WIDTH});
    const int32_t client_height = MARGIN + text_height + MARGIN + BUTTON_HEIGHT + MARGIN;

    RECT_AREA frame;
    Get_Window_Frame(dialog, &frame);
    Move_Window(dialog,
                {0, 0, client_width + frame.Left + frame.Right, client_height + frame.Top + frame.Bottom});
    const WINDOW_HANDLE text = Get_Dialog_Item(dialog, MESSAGE_TEXT);
    Move_Window(text, {MARGIN, MARGIN, client_width - MARGIN, MARGIN + text_height});
    Set_Window_Text(text, message.c_str());

    // One row under the text, centred as a group with one gap between buttons.
    int32_t used = 0, count = 0;
    for (int32_t i = 0; i < 3; ++i)
        if (needed[i] > 0) used += needed[i], ++count;
    int32_t x = (client_width - used - (count - 1) * gap) / 2;
    const int32_t top = MARGIN + text_height + MARGIN;
    for (int32_t i = 0; i < 3; ++i) {
        if (needed[i] == 0) continue;
        Move_Window(Get_Dialog_Item(dialog, BUTTON_IDS[i]), {x, top, x + needed[i], top + BUTTON_HEIGHT});
        x += needed[i] + gap;
    }
    Set_Window_Text(dialog, record.Texts[0] != nullptr ? record.Texts[0] : "");
    // Centred on the work area, whatever its owner.
    RECT_AREA area, rect;
    Get_Platform_Backend().Get_Work_Area(&area);
    Get_Window_Rect(dialog, &rect);
    const int32_t width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    const int32_t left = area.Left + (area.Right - area.Left - width) / 2;
    const int32_t upper = area.Top + (area.Bottom - area.Top - height) / 2;
    Move_Window(dialog, {left, upper, left + width, upper + height});
}

void Paint_Message(WINDOW_HANDLE dialog) {
    PAINT_INFO paint;
    DEVICE_CONTEXT* dc = Begin_Paint(dialog, &paint);
    if (dc == nullptr) return;
    const WINDOW_HANDLE text = Get_Dialog_Item(dialog, MESSAGE_TEXT);
    RECT_AREA area, dialog_rect;
    Get_Window_Rect(text, &area);
    Get_Window_Rect(dialog, &dialog_rect);
    int32_t x = area.Left, y = area.Top;
    Screen_To_Client(dialog, &x, &y);
    const std::string message = Get_Window_Text(text);
    Set_Text_Colour(dc, Make_Colour(0, 0, 0));
    Set_Background_Mode(dc, BACKGROUND_TRANSPARENT);
    const uint32_t flags = TEXT_WORD_BREAK | (Has_Line_Break(message) ? 0 : TEXT_CENTRE);
    Draw_Text_In_Scaled_Rect(dc, message.c_str(),
                             {x, y, x + area.Right - area.Left, y + area.Bottom - area.Top}, flags, 0);
    End_Paint(dialog, &paint);
}

bool Is_Program_Box_Available() {
    return Is_Window(Main_Window) && Main_Window_Back_Buffer_Exists();
}

int Show_Program_Box(const char* caption, const char* text, const char* first, const char* second,
                     const char* third) {
    USER_MESSAGE_RECORD record = {{caption, text, "", first, second, third}};
    const int32_t result = Do_Dialog(NO_WINDOW, USER_MESSAGE_DIALOG, reinterpret_cast<intptr_t>(&record));
    return result == ID_BOX_YES || result == ID_BOX_NO ? result : ID_BOX_CANCEL;
}

const PROGRAM_MESSAGE_BOX PROGRAM_BOX = {Is_Program_Box_Available, Show_Program_Box};
} // namespace

const DIALOG_TEMPLATE USER_MESSAGE_DIALOG_TEMPLATE = {
    USER_MESSAGE_DIALOG,
    "",
    190,
    62,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    MESSAGE_CONTROLS,
    static_cast<int32_t>(sizeof MESSAGE_CONTROLS / sizeof MESSAGE_CONTROLS[0]),
    ID_BOX_CANCEL};

intptr_t User_Message_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    switch (code) {
    case MSG_CONTROL_COLOUR_DIALOG:
    case MSG_CONTROL_COLOUR_STATIC:
    case MSG_CONTROL_COLOUR_SCROLL_BAR:
        return Handle_Dialog_Control_Color(code, dialog, static_cast<WINDOW_HANDLE>(lparam),
                                           reinterpret_cast<DEVICE_CONTEXT*>(wparam));
    case MSG_INIT_DIALOG: {
        const USER_MESSAGE_RECORD* record = reinterpret_cast<const USER_MESSAGE_RECORD*>(lparam);
        if (record != nullptr) Lay_Out_Message_Box(dialog, *record);
        return 1;
    }
    case MSG_PAINT:
        Paint_Message(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case MESSAGE_FIRST_BUTTON:
        case ID_OK:
            End_Dialog(dialog, ID_BOX_YES);
            return 1;
        case MESSAGE_SECOND_BUTTON:
            End_Dialog(dialog, ID_BOX_NO);
            return 1;
        case MESSAGE_THIRD_BUTTON:
        case ID_CANCEL:
            End_Dialog(dialog, ID_BOX_CANCEL);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

int Show_Last_Error_Message(int error_code, const char* caption, const char* format, ...) {
    char text[2048] = "";
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
    }
    // The error text goes whole behind a text of any length.
    const std::string message = std::string(text) + "\n\n" + std::strerror(error_code);
    Log_Debug_Line("%s", message.c_str());
    return Show_Message_Box(message.c_str(), caption, BOX_OK | BOX_INFORMATION);
}

void Install_Program_Message_Box() {
    Set_Program_Message_Box(&PROGRAM_BOX);
}
