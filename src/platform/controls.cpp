#include "platform/controls.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/control_support.h"
#include "platform/windows.h"

// Each control kind registers its own classes.
void Register_Button_Controls();
void Register_Static_Controls();
void Register_Gauge_Controls();
void Register_List_Box_Control();
void Register_Combo_Box_Control();
void Register_Edit_Control();
void Register_List_View_Control();

void Register_Controls() {
    Register_Button_Controls();
    Register_Static_Controls();
    Register_Gauge_Controls();
    Register_List_Box_Control();
    Register_Combo_Box_Control();
    Register_Edit_Control();
    Register_List_View_Control();
}

CONTROL_KIND Get_Control_Kind(WINDOW_HANDLE window) {
    const std::string name = Get_Window_Class_Name(window);
    for (int32_t kind = 0; kind < CONTROL_KIND_COUNT; ++kind)
        if (name == Get_Control_Class_Name(static_cast<CONTROL_KIND>(kind)))
            return static_cast<CONTROL_KIND>(kind);
    return CONTROL_KIND_COUNT;
}

bool Get_Control_Text_Layout(WINDOW_HANDLE control, RECT_AREA* area, uint32_t* flags) {
    RECT_AREA ignored_area;
    uint32_t ignored_flags = 0;
    if (area == nullptr) area = &ignored_area;
    if (flags == nullptr) flags = &ignored_flags;
    switch (Get_Control_Kind(control)) {
    case CONTROL_PUSH_BUTTON:
    case CONTROL_CHECK_BOX:
    case CONTROL_RADIO_BUTTON:
    case CONTROL_GROUP_BOX:
        return Get_Button_Text_Layout(control, area, flags);
    case CONTROL_STATIC_TEXT:
        return Get_Static_Text_Layout(control, area, flags);
    case CONTROL_COMBO_BOX:
        return Get_Combo_Face_Text_Layout(control, area, flags);
    default:
        return false;
    }
}

bool Get_Dialog_Item_Integer(WINDOW_HANDLE dialog, int32_t id, int32_t* value) {
    const std::string text = Get_Dialog_Item_Text(dialog, id);
    const char* start = text.c_str();
    while (*start == ' ')
        ++start;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(start, &end, 10);
    if (end == start || errno != 0 || parsed < INT32_MIN || parsed > INT32_MAX) return false;
    while (*end == ' ')
        ++end;
    if (*end != '\0') return false;
    if (value != nullptr) *value = static_cast<int32_t>(parsed);
    return true;
}

void Set_Dialog_Item_Integer(WINDOW_HANDLE dialog, int32_t id, int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    Set_Dialog_Item_Text(dialog, id, text);
}
