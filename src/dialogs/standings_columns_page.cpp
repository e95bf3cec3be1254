#include "dialogs/standings_columns_page.h"

#include <iterator>

#include "app/window_graphics.h"
#include "database/settings.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/stat_headings.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/window_messages.h"
#include "platform/windows.h"

namespace {
constexpr int32_t FIRST_STANDINGS_COLUMN_SETTING = 100;
constexpr int32_t COMBO_DROP_HEIGHT = 60;

constexpr DIALOG_CONTROL STANDINGS_COLUMNS_PAGE_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 10, 50, 10}, "Column 1:", 0},
    {CONTROL_COMBO_BOX, FIRST_STANDINGS_COLUMN_BOX, {60, 8, 110, COMBO_DROP_HEIGHT}, "", WINDOW_TAB_STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 30, 50, 10}, "Column 2:", 0},
    {CONTROL_COMBO_BOX,
     FIRST_STANDINGS_COLUMN_BOX + 1,
     {60, 28, 110, COMBO_DROP_HEIGHT},
     "",
     WINDOW_TAB_STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 50, 50, 10}, "Column 3:", 0},
    {CONTROL_COMBO_BOX,
     FIRST_STANDINGS_COLUMN_BOX + 2,
     {60, 48, 110, COMBO_DROP_HEIGHT},
     "",
     WINDOW_TAB_STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 70, 50, 10}, "Column 4:", 0},
    {CONTROL_COMBO_BOX,
     FIRST_STANDINGS_COLUMN_BOX + 3,
     {60, 68, 110, COMBO_DROP_HEIGHT},
     "",
     WINDOW_TAB_STOP},
};

void Open_Page(WINDOW_HANDLE dialog) {
    for (int32_t n = 0; n < STANDINGS_COLUMN_BOXES; ++n) {
        const WINDOW_HANDLE box = Get_Dialog_Item(dialog, FIRST_STANDINGS_COLUMN_BOX + n);
        Fill_Standings_Heading_Box(box);
        const int32_t stored = Get_User_Preference(FIRST_STANDINGS_COLUMN_SETTING + n);
        Combo_Box_Set_Current_Selection(box, stored >= 0 && stored < STANDINGS_STAT_HEADINGS ? stored : -1);
    }
}

// A list with nothing chosen keeps its column as it was.
void Apply_Page(WINDOW_HANDLE dialog) {
    for (int32_t n = 0; n < STANDINGS_COLUMN_BOXES; ++n) {
        const int32_t chosen =
            Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, FIRST_STANDINGS_COLUMN_BOX + n));
        if (chosen >= 0) Set_User_Preference(FIRST_STANDINGS_COLUMN_SETTING + n, chosen);
    }
    Redraw_Main_Window();
}
} // namespace

// The lists drop down within the page.
const DIALOG_TEMPLATE STANDINGS_COLUMNS_PAGE_TEMPLATE = {
    0,
    "Standings",
    180,
    68 + COMBO_DROP_HEIGHT + 4,
    "MS Sans Serif",
    8,
    0,
    STANDINGS_COLUMNS_PAGE_CONTROLS,
    static_cast<int32_t>(std::size(STANDINGS_COLUMNS_PAGE_CONTROLS)),
    0};

void Fill_Standings_Heading_Box(WINDOW_HANDLE box) {
    for (int32_t index = 0; index < STANDINGS_STAT_HEADINGS; ++index) {
        char heading[64] = "";
        Get_Standings_Stat_Heading(index, heading, sizeof heading);
        Combo_Box_Add_String(box, Get_One_Line_Heading(heading).c_str());
    }
}

intptr_t Standings_Columns_Page_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Open_Page(dialog);
        return 1;
    case MSG_NOTIFY: {
        const NOTIFY_INFO* info = reinterpret_cast<const NOTIFY_INFO*>(lparam);
        if (info == nullptr) return 0;
        if (info->Code == NOTIFY_PAGE_APPLY) {
            Apply_Page(dialog);
        } else if (info->Code != NOTIFY_PAGE_KILL_ACTIVE) {
            return 0;
        }
        Set_Dialog_Message_Result(dialog, 0);
        return 1;
    }
    default:
        return 0;
    }
}
