#include "dialogs/dialog_setup.h"

#include <string>

#include "app/dialog_brushes.h"
#include "app/dialog_services.h"
#include "database/safe_strings.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/windows.h"

void Set_Up_Skinned_Dialog(WINDOW_HANDLE dialog, std::initializer_list<int32_t> buttons) {
    Set_Dialog_Control_Fonts(dialog);
    Set_Dialog_Controls_App_Font(dialog, DIALOG_BUTTON_FONT, buttons);
    Center_Window_Over_Parent(dialog, Get_Window_Owner(dialog));
}

bool Is_Dialog_Colour_Message(uint32_t code) {
    return code == MSG_CONTROL_COLOUR_DIALOG || code == MSG_CONTROL_COLOUR_STATIC ||
           code == MSG_CONTROL_COLOUR_SCROLL_BAR;
}

intptr_t Answer_Dialog_Colour(uint32_t code, WINDOW_HANDLE dialog, uintptr_t wparam, intptr_t lparam) {
    return Handle_Dialog_Control_Color(code, dialog, static_cast<WINDOW_HANDLE>(lparam),
                                       reinterpret_cast<DEVICE_CONTEXT*>(wparam));
}

void Notify_Selection_Change(WINDOW_HANDLE dialog, int32_t id) {
    const WINDOW_HANDLE control = Get_Dialog_Item(dialog, id);
    const uint32_t code = Get_Control_Kind(control) == CONTROL_LIST_BOX ? NOTIFY_LIST_SELECTION_CHANGE
                                                                        : NOTIFY_COMBO_SELECTION_CHANGE;
    Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(id, code), static_cast<intptr_t>(control));
}

void Get_Dialog_Item_Text_Buffer(WINDOW_HANDLE dialog, int32_t id, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return;
    const std::string text = Get_Dialog_Item_Text(dialog, id);
    safe_strncpy(buffer, text.c_str(), size);
}
