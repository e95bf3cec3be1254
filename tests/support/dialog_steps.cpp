#include "support/dialog_steps.h"

#include <cstdlib>
#include <deque>

#include "app/dialog_services.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/list_box.h"
#include "platform/message_queue.h"
#include "platform/png_file.h"
#include "platform/scripted_answers.h"
#include "platform/windows.h"
#include "support/frame_fixture.h"

namespace {
using STEP = std::function<void(WINDOW_HANDLE)>;

std::deque<STEP>& Steps() {
    static std::deque<STEP> steps;
    return steps;
}

void Run_Step(void* context) {
    Pump_Messages();
    (*static_cast<STEP*>(context))(Get_Innermost_Dialog());
}

bool Is_List_Box(WINDOW_HANDLE control) {
    return Get_Control_Kind(control) == CONTROL_LIST_BOX;
}
} // namespace

void Script_Dialog_Step(std::function<void(WINDOW_HANDLE dialog)> step) {
    Steps().push_back(std::move(step));
    Script_Action(Run_Step, &Steps().back());
}

void Clear_Dialog_Steps() {
    Clear_Scripted_Input();
    Steps().clear();
}

WINDOW_HANDLE Get_Innermost_Dialog() {
    const std::vector<WINDOW_HANDLE> open = Get_Open_Modal_Dialogs();
    return open.empty() ? NO_WINDOW : open.back();
}

void Click_Dialog_Button(WINDOW_HANDLE dialog, int32_t id) {
    Send_Window_Message(Get_Dialog_Item(dialog, id), MSG_BUTTON_CLICK, 0, 0);
}

void Choose_Dialog_Line(WINDOW_HANDLE dialog, int32_t id, int32_t index) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    const bool list = Is_List_Box(control);
    if (list)
        List_Box_Set_Current_Selection(control, index);
    else
        Combo_Box_Set_Current_Selection(control, index);
    Send_Window_Message(dialog, MSG_COMMAND,
                        Pack_Command(id, list ? NOTIFY_LIST_SELECTION_CHANGE : NOTIFY_COMBO_SELECTION_CHANGE),
                        static_cast<intptr_t>(control));
}

void Double_Click_Dialog_Line(WINDOW_HANDLE dialog, int32_t id) {
    Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(id, NOTIFY_LIST_DOUBLE_CLICK),
                        static_cast<intptr_t>(Get_Dialog_Item(dialog, id)));
}

void Type_Dialog_Text(WINDOW_HANDLE dialog, int32_t id, const std::string& text) {
    const WINDOW_HANDLE edit = Get_Dialog_Item(dialog, id);
    Set_Window_Text(edit, text.c_str());
    Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(id, NOTIFY_EDIT_CHANGE),
                        static_cast<intptr_t>(edit));
}

int32_t Get_Dialog_Line(WINDOW_HANDLE dialog, int32_t id) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    return Is_List_Box(control) ? List_Box_Get_Current_Selection(control)
                                : Combo_Box_Get_Current_Selection(control);
}

std::string Get_Dialog_Line_Text(WINDOW_HANDLE dialog, int32_t id, int32_t index) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    return Is_List_Box(control) ? List_Box_Get_Text(control, index) : Combo_Box_Get_Text(control, index);
}

int32_t Count_Dialog_Lines(WINDOW_HANDLE dialog, int32_t id) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    return Is_List_Box(control) ? List_Box_Get_Count(control) : Combo_Box_Get_Count(control);
}

int32_t Find_Dialog_Line(WINDOW_HANDLE dialog, int32_t id, const std::string& text) {
    for (int32_t line = 0; line < Count_Dialog_Lines(dialog, id); ++line)
        if (Get_Dialog_Line_Text(dialog, id, line) == text) return line;
    return -1;
}

bool Choose_Dialog_Line_Reading(WINDOW_HANDLE dialog, int32_t id, const std::string& text) {
    const int32_t line = Find_Dialog_Line(dialog, id, text);
    if (line < 0) return false;
    Choose_Dialog_Line(dialog, id, line);
    return true;
}

bool Is_Dialog_Box_Ticked(WINDOW_HANDLE dialog, int32_t id) {
    return Is_Dialog_Button_Checked(dialog, id) == BUTTON_CHECKED;
}

int32_t Keep_Dialog_Picture(WINDOW_HANDLE window, const std::string& name) {
    // What changed since the last paint is painted first.
    Pump_Messages();
    DRAWING_SURFACE picture{};
    Render_Window(window, &picture);
    if (const char* folder = std::getenv("KORVA_PICTURE_DIR"))
        Write_Surface_PNG(&picture, (std::string(folder) + "/" + name + ".png").c_str());
    return picture.Width;
}

std::vector<uint32_t> Get_Screen_Pixels_Over_Control(WINDOW_HANDLE dialog, int32_t control) {
    RECT_AREA rect;
    Get_Dialog_Item_Rect(dialog, control, &rect);
    Client_To_Screen(dialog, &rect.Left, &rect.Top);
    Client_To_Screen(dialog, &rect.Right, &rect.Bottom);
    DRAWING_SURFACE screen{};
    Render_Screen(&screen, TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT);
    std::vector<uint32_t> pixels;
    for (int32_t y = rect.Top; y < rect.Bottom; ++y)
        for (int32_t x = rect.Left; x < rect.Right; ++x)
            pixels.push_back(Get_Surface_Pixel(&screen, x, y));
    return pixels;
}
