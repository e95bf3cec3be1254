#include "dialogs/city_editor_dialog.h"

#include <cstring>
#include <string>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/modal_dialogs.h"
#include "database/cities.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/picture_lists.h"
#include "dialogs/typed_numbers.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr uint32_t NUMBER = WINDOW_TAB_STOP | CONTROL_RIGHT_TEXT;
constexpr int32_t CITY_NAME_LENGTH = 19;
constexpr int32_t CITY_FIELDS = 8;
constexpr int32_t LONGITUDE_BOUND = 180000;
constexpr int32_t LATITUDE_BOUND = 90000;
const char* const FIELD_NAMES[CITY_FIELDS] = {
    "City Population",   "Region Population", "New Population / Year",
    "Per Capita Income", "Altitude",          "Longitude",
    "Latitude",          "Time Zone"};

#define FIELD_ROW(n, y)                                                                                      \
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, (y) + 2, 90, 9}, FIELD_NAMES[n], 0}, {                        \
        CONTROL_EDIT, CITY_STAT_EDITS[n], {100, y, 70, 12}, "", NUMBER                                       \
    }

const DIALOG_CONTROL CITY_EDITOR_CONTROLS[] = {
    {CONTROL_COMBO_BOX, CITY_SELECTOR, {8, 6, 162, 150}, "", BUTTON},
    FIELD_ROW(0, 26),
    FIELD_ROW(1, 42),
    FIELD_ROW(2, 58),
    FIELD_ROW(3, 74),
    FIELD_ROW(4, 90),
    FIELD_ROW(5, 106),
    FIELD_ROW(6, 122),
    FIELD_ROW(7, 138),
    {CONTROL_LIST_BOX, CITY_PICTURE_LIST, {176, 26, 60, 40}, "", BUTTON | CONTROL_HIDDEN},
    {CONTROL_PUSH_BUTTON, EDIT_CITY_NAME_BUTTON, {176, 6, 70, 14}, "&Edit Name", BUTTON},
    {CONTROL_PUSH_BUTTON, ADD_CITY_BUTTON, {176, 24, 70, 14}, "&Add City", BUTTON},
    {CONTROL_PUSH_BUTTON, ERASE_CITY_BUTTON, {176, 42, 70, 14}, "&Erase City", BUTTON},
    {CONTROL_PUSH_BUTTON, CITY_HELP_BUTTON, {176, 120, 70, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {176, 138, 70, 14}, "&Done", BUTTON | CONTROL_DEFAULT_BUTTON},
};

const DIALOG_CONTROL RENAME_CITY_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {8, 8, 40, 9}, "Name:", 0},
    {CONTROL_EDIT, CITY_NAME_EDIT, {50, 6, 110, 12}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, CITY_HELP_BUTTON, {8, 26, 48, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {60, 26, 48, 14}, "Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {112, 26, 48, 14}, "&Done", BUTTON | CONTROL_DEFAULT_BUTTON},
};

#undef FIELD_ROW

int32_t Shown_City() {
    return Get_User_Preference(SELECTED_CITY);
}

bool Is_City_Shown() {
    const int32_t city = Shown_City();
    return city >= 0 && city < Count_Cities();
}

bool Is_Degrees(int32_t n) {
    return n == CITY_LONGITUDE || n == CITY_LATITUDE;
}

// Longitude or latitude typed as decimal degrees.
void Apply_Degrees(WINDOW_HANDLE dialog, int32_t city, int32_t n) {
    const int32_t stored = Get_City_Stat(city, n);
    char shown[FORMATTED_TEXT_SIZE];
    Format_Typed_Thousandths(stored, shown, sizeof shown);
    const std::string text = Get_Dialog_Item_Text(dialog, CITY_STAT_EDITS[n]);
    if (text == shown) return;
    const int32_t bound = n == CITY_LONGITUDE ? LONGITUDE_BOUND : LATITUDE_BOUND;
    int32_t value = 0;
    if (Parse_Typed_Thousandths(text.c_str(), &value) && value >= -bound && value <= bound) {
        Set_City_Stat(city, n, value);
        return;
    }
    Show_Field_Refused(FIELD_NAMES[n],
                       n == CITY_LONGITUDE ? "must be a number of degrees from -180 to 180"
                                           : "must be a number of degrees from -90 to 90",
                       shown);
    Set_Dialog_Item_Text(dialog, CITY_STAT_EDITS[n], shown);
}

void Init_City_Editor(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(
        dialog, {EDIT_CITY_NAME_BUTTON, ERASE_CITY_BUTTON, ADD_CITY_BUTTON, ID_OK, CITY_HELP_BUTTON});
    Fill_City_Selector(dialog);
    Fill_City_Fields(dialog);
}

void Choose_City(WINDOW_HANDLE dialog) {
    const int32_t index = Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, CITY_SELECTOR));
    if (index < 0) return;
    // Outside Commissioner Mode the edits of the city shown are dropped.
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) Apply_City_Fields(dialog);
    Set_User_Preference(SELECTED_CITY, index);
    Fill_City_Fields(dialog);
}

void Add_New_City(WINDOW_HANDLE dialog) {
    Apply_City_Fields(dialog);
    if (Add_City() < 0) {
        Show_Formatted_Message("Add City Failed", "Cannot exceed %d cities in database", MAX_CITIES);
        return;
    }
    Fill_City_Selector(dialog);
    Fill_City_Fields(dialog);
}

void Rename_Shown_City(WINDOW_HANDLE dialog) {
    Apply_City_Fields(dialog);
    Do_Dialog(dialog, RENAME_CITY_DIALOG, 0);
    Sort_Cities();
    Fill_City_Selector(dialog);
    Fill_City_Fields(dialog);
}

void Erase_Shown_City(WINDOW_HANDLE dialog) {
    if (!Is_City_Shown()) return;
    const int32_t team = Find_City_Home_Team(Shown_City());
    if (team >= 0) {
        char city[FORMATTED_TEXT_SIZE] = "", name[FORMATTED_TEXT_SIZE] = "";
        Get_City_Name(Shown_City(), city);
        Get_Team_Full_Name(team, name);
        Show_Formatted_Message(
            "Erase City",
            "%s is the home of the %s. Move the team to another city in the League Editor before "
            "you erase this one.",
            city, name);
        return;
    }
    Delete_Current_City();
    Fill_City_Selector(dialog);
    Fill_City_Fields(dialog);
}
} // namespace

const DIALOG_TEMPLATE CITY_EDITOR_DIALOG_TEMPLATE = {
    CITY_EDITOR_DIALOG,
    "Simulation Settings",
    254,
    160,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    CITY_EDITOR_CONTROLS,
    static_cast<int32_t>(sizeof CITY_EDITOR_CONTROLS / sizeof CITY_EDITOR_CONTROLS[0]),
    1};

const DIALOG_TEMPLATE RENAME_CITY_DIALOG_TEMPLATE = {
    RENAME_CITY_DIALOG,
    "Rename City",
    168,
    48,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    RENAME_CITY_CONTROLS,
    static_cast<int32_t>(sizeof RENAME_CITY_CONTROLS / sizeof RENAME_CITY_CONTROLS[0]),
    1};

int32_t Find_City_Home_Team(int32_t city) {
    const int32_t active = Count_Active_Teams();
    for (int32_t team = 0; team < active; ++team)
        if (Get_Team_Stat(team, TEAM_STAT_HOME_CITY) == city) return team;
    return -1;
}

void Fill_City_Selector(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, CITY_SELECTOR);
    Combo_Box_Reset_Content(combo);
    const int32_t count = Count_Cities();
    for (int32_t city = 0; city < count; ++city) {
        char name[FORMATTED_TEXT_SIZE] = "";
        Get_City_Name(city, name);
        Combo_Box_Add_String(combo, name);
    }
    if (count > 0 && !Is_City_Shown()) Set_User_Preference(SELECTED_CITY, 0);
    Combo_Box_Set_Current_Selection(combo, Is_City_Shown() ? Shown_City() : -1);
}

void Fill_City_Fields(WINDOW_HANDLE dialog) {
    const bool shown = Is_City_Shown();
    for (int32_t n = 0; n < CITY_FIELDS; ++n) {
        char text[FORMATTED_TEXT_SIZE] = "";
        const int32_t value = shown ? Get_City_Stat(Shown_City(), n) : 0;
        if (Is_Degrees(n))
            Format_Typed_Thousandths(value, text, sizeof text);
        else
            safe_sprintf(text, sizeof text, "%d", value);
        Set_Dialog_Item_Text(dialog, CITY_STAT_EDITS[n], shown ? text : "");
        Enable_Window(Get_Dialog_Item(dialog, CITY_STAT_EDITS[n]), shown);
    }
    Enable_Window(Get_Dialog_Item(dialog, ERASE_CITY_BUTTON), shown);
    Enable_Window(Get_Dialog_Item(dialog, EDIT_CITY_NAME_BUTTON), shown);
    Select_City_Photo(dialog);
}

void Apply_City_Fields(WINDOW_HANDLE dialog) {
    if (!Is_City_Shown()) return;
    const int32_t city = Shown_City();
    for (int32_t n = 0; n < CITY_FIELDS; ++n) {
        if (Is_Degrees(n)) {
            Apply_Degrees(dialog, city, n);
            continue;
        }
        // Populations and income are counts; a city may lose people each
        // year, and altitude and time zone may fall below 0.
        const int64_t low = n <= 3 && n != CITY_POPULATION_GROWTH ? 0 : INT32_MIN;
        int32_t value = 0;
        if (Read_Dialog_Int(dialog, CITY_STAT_EDITS[n], FIELD_NAMES[n], low, INT32_MAX,
                            Get_City_Stat(city, n), &value))
            Set_City_Stat(city, n, value);
    }
    Set_City_Photo_From_List(dialog);
}

void Select_City_Photo(WINDOW_HANDLE dialog) {
    if (Is_City_Shown()) {
        char photo[FORMATTED_TEXT_SIZE] = "";
        Get_City_Photo(Shown_City(), photo);
        Select_Picture_File(Get_Dialog_Item(dialog, CITY_PICTURE_LIST), photo);
    }
    Invalidate_City_Picture_Area(dialog);
}

void Set_City_Photo_From_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, CITY_PICTURE_LIST);
    const int32_t index = List_Box_Get_Current_Selection(list);
    if (index < 0 || !Is_City_Shown()) return;
    Set_City_Photo(Shown_City(), List_Box_Get_Text(list, index).c_str());
}

void Invalidate_City_Picture_Area(WINDOW_HANDLE dialog) {
    Redraw_Window(dialog);
}

void Fill_City_Art_List(WINDOW_HANDLE dialog) {
    Fill_Picture_File_List(dialog, CITY_PICTURE_LIST, "Cities", "*.jpg",
                           "There are no art files in the 'Cities' directory. City pictures will not be "
                           "displayed.");
}

void Show_City_Name(WINDOW_HANDLE dialog) {
    char name[FORMATTED_TEXT_SIZE] = "";
    if (Is_City_Shown()) Get_City_Name(Shown_City(), name);
    Set_Dialog_Item_Text(dialog, CITY_NAME_EDIT, name);
}

int32_t Set_City_Name_From_Dialog(WINDOW_HANDLE dialog) {
    const std::string name = Get_Dialog_Item_Text(dialog, CITY_NAME_EDIT);
    // A name of blanks names nothing either.
    if (name.find_first_not_of(" \t") == std::string::npos) {
        Show_Formatted_Message("Can't Erase Name",
                               "All cities must have a name. If you wish to erase a city, return "
                               "to the City Editor and hit the 'Erase City' button.");
        return 0;
    }
    if (!Is_City_Shown()) return 1;
    Set_City_Name(Shown_City(), name.c_str());
    return 1;
}

intptr_t Simulation_Settings_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                         intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    if (code == MSG_INIT_DIALOG) {
        Init_City_Editor(dialog);
        return 1;
    }
    if (code != MSG_COMMAND) return 0;
    switch (Command_Id(wparam)) {
    case CITY_SELECTOR:
        if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE) Choose_City(dialog);
        return 1;
    case CITY_PICTURE_LIST:
        if (Command_Notification(wparam) == NOTIFY_LIST_SELECTION_CHANGE) {
            Set_City_Photo_From_List(dialog);
            Invalidate_City_Picture_Area(dialog);
        }
        return 1;
    case ADD_CITY_BUTTON:
        Add_New_City(dialog);
        return 1;
    case EDIT_CITY_NAME_BUTTON:
        Rename_Shown_City(dialog);
        return 1;
    case ERASE_CITY_BUTTON:
        Erase_Shown_City(dialog);
        return 1;
    case ID_OK:
    case ID_CANCEL:
        Apply_City_Fields(dialog);
        Sort_Cities();
        End_Dialog(dialog, 1);
        return 1;
    case CITY_HELP_BUTTON:
        Open_Context_Help(CITY_EDITOR_DIALOG);
        return 1;
    default:
        return 0;
    }
}

intptr_t Rename_City_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    if (code == MSG_INIT_DIALOG) {
        Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL, CITY_HELP_BUTTON});
        Edit_Set_Limit(Get_Dialog_Item(dialog, CITY_NAME_EDIT), CITY_NAME_LENGTH);
        Show_City_Name(dialog);
        return 1;
    }
    if (code != MSG_COMMAND) return 0;
    switch (Command_Id(wparam)) {
    case ID_OK:
        if (Set_City_Name_From_Dialog(dialog) != 0) End_Dialog(dialog, 1);
        return 1;
    case ID_CANCEL:
        End_Dialog(dialog, 1);
        return 1;
    case CITY_HELP_BUTTON:
        Open_Help_Topic("playing");
        return 1;
    default:
        return 0;
    }
}
