#include "reports/print_dialog.h"

#include <algorithm>

#include "app/context_help.h"
#include "app/main_window.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/settings.h"
#include "dialogs/dialog_setup.h"
#include "platform/backend.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "reports/player_stats_export.h"
#include "reports/shell_open.h"

namespace {
constexpr uint32_t STOP = WINDOW_TAB_STOP;
constexpr int32_t NUMBER_OF_PERIODS = 4;
const char* const PERIOD_NAMES[NUMBER_OF_PERIODS] = {"This Season", "Last Season", "Career", "Predicted"};
const char* const CATEGORY_NAMES[NUMBER_OF_STATS_CATEGORIES] = {"Offense", "Defense", "Kicking"};
const char* const FORMAT_NAMES[NUMBER_OF_STATS_FORMATS] = {"Tab-delmited (.xls)", "Comma-delimited (.csv)",
                                                           "Text (.txt)", "HTML (.htm)"};

const DIALOG_CONTROL PRINT_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 10, 60, 10}, "Players:", 0},
    {CONTROL_COMBO_BOX, PRINT_TEAM_LIST, {74, 8, 150, 120}, "", STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 28, 60, 10}, "Period:", 0},
    {CONTROL_COMBO_BOX, PRINT_PERIOD_LIST, {74, 26, 150, 80}, "", STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 46, 60, 10}, "Category:", 0},
    {CONTROL_COMBO_BOX, PRINT_CATEGORY_LIST, {74, 44, 150, 80}, "", STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 64, 60, 10}, "Sort by:", 0},
    {CONTROL_COMBO_BOX, PRINT_SORT_LIST, {74, 62, 150, 110}, "", STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 82, 60, 10}, "Format:", 0},
    {CONTROL_COMBO_BOX, PRINT_FORMAT_LIST, {74, 80, 150, 80}, "", STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 100, 60, 10}, "Filename:", 0},
    {CONTROL_EDIT, PRINT_FILE_NAME_EDIT, {74, 98, 150, 13}, "", STOP},
    {CONTROL_CHECK_BOX, PRINT_TO_PRINTER_BOX, {74, 118, 150, 11}, "Send file to &printer", STOP},
    {CONTROL_CHECK_BOX, PRINT_VIEW_NOW_BOX, {74, 132, 150, 11}, "&View file now", STOP},
    {CONTROL_PUSH_BUTTON, ID_OK, {60, 152, 52, 15}, "&Print", STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {116, 152, 52, 15}, "&Done", STOP},
    {CONTROL_PUSH_BUTTON, PRINT_HELP_BUTTON, {172, 152, 52, 15}, "&Help", STOP},
};

template <size_t N> constexpr int32_t Count_Of(const DIALOG_CONTROL (&)[N]) {
    return static_cast<int32_t>(N);
}

WINDOW_HANDLE Item(WINDOW_HANDLE dialog, int32_t id) {
    return Get_Dialog_Item(dialog, id);
}

int32_t Selected(WINDOW_HANDLE dialog, int32_t id) {
    return std::max(Combo_Box_Get_Current_Selection(Item(dialog, id)), 0);
}

void Fill_List(WINDOW_HANDLE dialog, int32_t id, const char* const* names, int32_t count, int32_t chosen) {
    const WINDOW_HANDLE list = Item(dialog, id);
    Combo_Box_Reset_Content(list);
    for (int32_t n = 0; n < count; ++n)
        Combo_Box_Add_String(list, names[n]);
    Combo_Box_Set_Current_Selection(list, std::clamp(chosen, 0, count - 1));
}

// The teams, then each league in use, then every team.
void Fill_Team_Choices(WINDOW_HANDLE dialog) {
    Fill_Team_Selector(dialog);
    const WINDOW_HANDLE list = Item(dialog, PRINT_TEAM_LIST);
    for (int32_t league = 0; league < Count_Leagues(); ++league) {
        char name[64] = "";
        Get_League_Name(league, name);
        Combo_Box_Add_String(list, name);
    }
    Combo_Box_Add_String(list, "All Teams");
    if (Combo_Box_Get_Current_Selection(list) < 0) Combo_Box_Set_Current_Selection(list, 0);
    Enable_Window(list, true);
}

void Fill_Sort_List(WINDOW_HANDLE dialog, int32_t category, int32_t chosen) {
    const WINDOW_HANDLE list = Item(dialog, PRINT_SORT_LIST);
    Combo_Box_Reset_Content(list);
    for (int32_t stat = 0; stat < STATS_SORT_CHOICES; ++stat)
        Combo_Box_Add_String(list, Get_Stats_Sort_Name(category, stat));
    Combo_Box_Set_Current_Selection(list, std::clamp(chosen, 0, STATS_SORT_CHOICES - 1));
}

void Init_Print_Dialog(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL, PRINT_HELP_BUTTON});
    Fill_Team_Choices(dialog);
    Fill_List(dialog, PRINT_PERIOD_LIST, PERIOD_NAMES, NUMBER_OF_PERIODS,
              Get_User_Preference(PRINT_STATS_PERIOD));
    const int32_t category =
        std::clamp(Get_User_Preference(PRINT_STATS_CATEGORY), 0, NUMBER_OF_STATS_CATEGORIES - 1);
    Fill_List(dialog, PRINT_CATEGORY_LIST, CATEGORY_NAMES, NUMBER_OF_STATS_CATEGORIES, category);
    Fill_Sort_List(dialog, category, Get_User_Preference(PRINT_STATS_SORT));
    Fill_List(dialog, PRINT_FORMAT_LIST, FORMAT_NAMES, NUMBER_OF_STATS_FORMATS,
              Get_User_Preference(PRINT_STATS_FORMAT));
    Edit_Set_Limit(Item(dialog, PRINT_FILE_NAME_EDIT), PRINT_FILE_NAME_LIMIT);
}

void Store_Choices(WINDOW_HANDLE dialog) {
    Set_User_Preference(PRINT_STATS_PERIOD, Selected(dialog, PRINT_PERIOD_LIST));
    Set_User_Preference(PRINT_STATS_CATEGORY, Selected(dialog, PRINT_CATEGORY_LIST));
    Set_User_Preference(PRINT_STATS_SORT, Selected(dialog, PRINT_SORT_LIST));
    Set_User_Preference(PRINT_STATS_FORMAT, Selected(dialog, PRINT_FORMAT_LIST));
}

void Print_Written_File(WINDOW_HANDLE dialog, const std::string& path) {
    int result = PRINT_DONE;
    if (Shell_Print(dialog, path.c_str(), &result)) return;
    if (result == PRINT_NO_COMMAND)
        Show_Formatted_Message(
            "Print", "%s could not be printed: this computer has no print command (\"lp\").", path.c_str());
    else
        Show_Formatted_Message("Print", "The printer did not take %s.", path.c_str());
}

void Do_Print(WINDOW_HANDLE dialog) {
    Store_Choices(dialog);
    if (!Write_Player_Stats_From_Dialog(dialog)) return;
    std::string path;
    if (Is_Dialog_Button_Checked(dialog, PRINT_TO_PRINTER_BOX) == BUTTON_CHECKED &&
        Build_Stats_File_Name(dialog, &path))
        Print_Written_File(dialog, path);
    if (Is_Dialog_Button_Checked(dialog, PRINT_VIEW_NOW_BOX) == BUTTON_CHECKED &&
        Build_Stats_File_Name(dialog, &path))
        Shell_Open(Main_Window, path.c_str());
}
} // namespace

const DIALOG_TEMPLATE PRINT_DIALOG_TEMPLATE = {PRINT_DIALOG,
                                               "Print",
                                               234,
                                               176,
                                               "MS Sans Serif",
                                               8,
                                               WINDOW_CAPTION | WINDOW_BORDER,
                                               PRINT_CONTROLS,
                                               Count_Of(PRINT_CONTROLS),
                                               0};

bool Build_Stats_File_Name(WINDOW_HANDLE dialog, std::string* path) {
    path->clear();
    const std::string name = Get_Dialog_Item_Text(dialog, PRINT_FILE_NAME_EDIT);
    if (name.empty()) return false;
    *path = "Output/" + name + Get_Stats_File_Extension(Selected(dialog, PRINT_FORMAT_LIST));
    return true;
}

bool Write_Player_Stats_From_Dialog(WINDOW_HANDLE dialog) {
    std::string path;
    if (!Build_Stats_File_Name(dialog, &path)) {
        Show_Formatted_Message("No Filename",
                               "You need to enter a filename to output the stats. (You should omit "
                               "the file extension).");
        return false;
    }
    const std::string name = Get_Dialog_Item_Text(dialog, PRINT_FILE_NAME_EDIT);
    // A name with a control character (a pasted line break or tab) could not
    // be told back or found again; one with a separator, or "." or "..",
    // names a folder. Dots elsewhere ("a..b") are the file's own.
    if (Has_Control_Character(name.c_str())) {
        Show_Formatted_Message("Invalid Filename",
                               "A file name can't contain control characters such as tabs or line breaks. "
                               "Please choose another name.");
        return false;
    }
    if (Has_Path_Separator(name.c_str()) || name == "." || name == "..") {
        Show_Formatted_Message("Invalid Filename",
                               "\"%s\" names a folder. Enter a file name alone: the file is written to the "
                               "Output folder.",
                               name.c_str());
        return false;
    }
    const int32_t category = Selected(dialog, PRINT_CATEGORY_LIST);
    if (Write_Player_Stats_File(path.c_str(), Selected(dialog, PRINT_TEAM_LIST),
                                Selected(dialog, PRINT_PERIOD_LIST), category,
                                Selected(dialog, PRINT_SORT_LIST),
                                Selected(dialog, PRINT_FORMAT_LIST)) == 1) {
        Show_Formatted_Message("Output Results", "Player statistics successfully written to %s",
                               path.c_str());
        return true;
    }
    Show_Formatted_Message(
        "Output Results",
        "Unable to write to file %s. It is possible that the drive is full, or the file is in use.",
        path.c_str());
    return false;
}

intptr_t Print_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Print_Dialog(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case PRINT_CATEGORY_LIST:
            if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE)
                Fill_Sort_List(dialog, Selected(dialog, PRINT_CATEGORY_LIST), 0);
            return 1;
        case ID_OK:
            Do_Print(dialog);
            return 1;
        case PRINT_HELP_BUTTON:
            Open_Context_Help(PRINT_DIALOG);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, 0);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
