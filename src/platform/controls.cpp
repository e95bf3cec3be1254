#include "platform/controls.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

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
