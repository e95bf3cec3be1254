#include "dialogs/stadium_editor_dialog.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "app/context_help.h"
#include "app/dialog_services.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/settings.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/picture_lists.h"
#include "dialogs/small_dialogs.h"
#include "dialogs/stadium_value.h"
#include "dialogs/typed_numbers.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/list_box.h"
#include "platform/windows.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr int32_t STADIUM_NAME_STRING = 3;
constexpr int32_t STADIUM_PICTURE_STRING = 4;
constexpr int32_t STADIUM_NAME_LENGTH = 31;
constexpr int32_t GRADES = 5;
constexpr int32_t GRADE_STATS[3] = {STADIUM_CONVENIENCE, STADIUM_COMFORT, STADIUM_SIGHT_LINES};
const char* const GRADE_NAMES[GRADES] = {"Poor", "Fair", "Average", "Good", "Excellent"};
const char* const STRUCTURES[] = {"Open", "Domed", "Convertible"};
const char* const SURFACES[] = {"Natural Grass", "Artificial Turf"};
// The stored surface of each line of the surface list: grass first.
constexpr int32_t SURFACE_OF_LINE[] = {STADIUM_GRASS, STADIUM_CARPET};

#define LABEL(x, y, w, text)                                                                                 \
    { CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {x, y, w, 9}, text, 0 }

const DIALOG_CONTROL STADIUM_CONTROLS[] = {
    {CONTROL_COMBO_BOX, TEAM_SELECTOR, {8, 6, 224, 160}, "", BUTTON | CONTROL_OWNER_DRAW},
    LABEL(8, 26, 50, "Name:"),
    {CONTROL_EDIT, STADIUM_NAME_EDIT, {60, 24, 172, 12}, "", BUTTON},
    LABEL(8, 44, 50, "Capacity:"),
    {CONTROL_EDIT, STADIUM_CAPACITY_EDIT, {60, 42, 60, 12}, "", BUTTON | CONTROL_RIGHT_TEXT},
    LABEL(8, 60, 50, "Structure:"),
    {CONTROL_COMBO_BOX, STADIUM_STRUCTURE_COMBO, {60, 58, 90, 60}, "", BUTTON},
    LABEL(8, 76, 50, "Surface:"),
    {CONTROL_COMBO_BOX, STADIUM_SURFACE_COMBO, {60, 74, 90, 60}, "", BUTTON},
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 92, 224, 56}, "Seating", 0},
    LABEL(16, 106, 60, "Convenience:"),
    {CONTROL_COMBO_BOX, STADIUM_GRADE_COMBOS[0], {80, 104, 80, 42}, "", BUTTON},
    LABEL(16, 120, 60, "Comfort:"),
    {CONTROL_COMBO_BOX, STADIUM_GRADE_COMBOS[1], {80, 118, 80, 42}, "", BUTTON},
    LABEL(16, 134, 60, "Sight Lines:"),
    {CONTROL_COMBO_BOX, STADIUM_GRADE_COMBOS[2], {80, 132, 80, 42}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {120, 156, 54, 14}, "&Help", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {178, 156, 54, 14}, "&OK", BUTTON | CONTROL_DEFAULT_BUTTON},
};

#undef LABEL

int32_t Viewed_Team() {
    return Get_User_Preference(VIEWED_TEAM);
}

void Fill_Combo(WINDOW_HANDLE dialog, int32_t id, const char* const* names, int32_t count) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, id);
    Combo_Box_Reset_Content(combo);
    for (int32_t i = 0; i < count; ++i)
        Combo_Box_Add_String(combo, names[i]);
}

void Select(WINDOW_HANDLE dialog, int32_t id, int32_t index) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, id);
    Combo_Box_Set_Current_Selection(combo, index >= 0 && index < Combo_Box_Get_Count(combo) ? index : -1);
}

int32_t Selected(WINDOW_HANDLE dialog, int32_t id) {
    return Combo_Box_Get_Current_Selection(Get_Dialog_Item(dialog, id));
}

// Stadium statistics are kept only for a team record with a stadium.
bool Has_Stadium(int32_t team) {
    return !Is_No_Team(team) && Is_Team_Record_Slot(team);
}

void Init_Stadium_Editor(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ID_OK, HELP_BUTTON});
    Edit_Set_Limit(Get_Dialog_Item(dialog, STADIUM_NAME_EDIT), STADIUM_NAME_LENGTH);
    Validate_Viewed_Team();
    Fill_Team_Selector(dialog);
    Fill_Stadium_Combos(dialog);
    Fill_Stadium_Fields(dialog);
}

void Choose_Team(WINDOW_HANDLE dialog) {
    const int32_t line = Selected(dialog, TEAM_SELECTOR);
    if (line < 0) return;
    if (Get_User_Preference(COMMISSIONER_MODE) != 0) Apply_Stadium_Fields(dialog);
    const intptr_t team =
        Combo_Box_Get_Item_Data(Get_Dialog_Item(dialog, TEAM_SELECTOR), line) - TEAM_ITEM_DATA_BASE;
    Set_Viewed_Team(static_cast<int32_t>(team));
    Fill_Stadium_Fields(dialog);
    Invalidate_Stadium_Picture_Area(dialog);
}
} // namespace

const DIALOG_TEMPLATE STADIUM_EDITOR_DIALOG_TEMPLATE = {
    STADIUM_EDITOR_DIALOG,
    "Stadium Editor",
    240,
    176,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    STADIUM_CONTROLS,
    static_cast<int32_t>(sizeof STADIUM_CONTROLS / sizeof STADIUM_CONTROLS[0]),
    1};

int32_t Get_Seating_Grade_Index(int32_t grade) {
    return std::clamp((grade + 50) / 100 - 8, 0, GRADES - 1);
}

int32_t Get_Seating_Grade_Value(int32_t index) {
    return (index + 8) * 100;
}

void Fill_Stadium_Combos(WINDOW_HANDLE dialog) {
    Fill_Combo(dialog, STADIUM_STRUCTURE_COMBO, STRUCTURES, 3);
    Fill_Combo(dialog, STADIUM_SURFACE_COMBO, SURFACES, 2);
    for (int32_t id : STADIUM_GRADE_COMBOS)
        Fill_Combo(dialog, id, GRADE_NAMES, GRADES);
}

void Fill_Stadium_Fields(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    if (!Has_Stadium(team)) return;
    char name[FORMATTED_TEXT_SIZE] = "";
    Get_Team_Stadium_Name(name, team);
    Set_Dialog_Item_Text(dialog, STADIUM_NAME_EDIT, name);
    Set_Dialog_Item_Integer(dialog, STADIUM_CAPACITY_EDIT, Get_Team_Stadium_Stat(team, STADIUM_CAPACITY));
    Select(dialog, STADIUM_STRUCTURE_COMBO, Get_Team_Stadium_Stat(team, STADIUM_STRUCTURE));
    // A surface the list does not name selects no line, and is kept.
    const int32_t surface = Get_Team_Stadium_Stat(team, STADIUM_SURFACE);
    const auto line = std::find(std::begin(SURFACE_OF_LINE), std::end(SURFACE_OF_LINE), surface);
    Select(dialog, STADIUM_SURFACE_COMBO,
           line == std::end(SURFACE_OF_LINE) ? -1 : static_cast<int32_t>(line - std::begin(SURFACE_OF_LINE)));
    for (int32_t k = 0; k < 3; ++k)
        Select(dialog, STADIUM_GRADE_COMBOS[k],
               Get_Seating_Grade_Index(Get_Team_Stadium_Stat(team, GRADE_STATS[k])));
    const WINDOW_HANDLE pictures = Get_Dialog_Item(dialog, STADIUM_PICTURE_LIST);
    if (pictures != NO_WINDOW) {
        char picture[FORMATTED_TEXT_SIZE] = "";
        Get_Team_String(picture, team, STADIUM_PICTURE_STRING);
        Select_Picture_File(pictures, picture);
    }
}

void Apply_Stadium_Fields(WINDOW_HANDLE dialog) {
    const int32_t team = Viewed_Team();
    if (!Has_Stadium(team)) return;
    const std::string name = Get_Dialog_Item_Text(dialog, STADIUM_NAME_EDIT);
    Set_Team_String(name.c_str(), team, STADIUM_NAME_STRING);
    const WINDOW_HANDLE pictures = Get_Dialog_Item(dialog, STADIUM_PICTURE_LIST);
    if (pictures != NO_WINDOW) {
        const int32_t line = List_Box_Get_Current_Selection(pictures);
        const std::string picture = line >= 0 ? List_Box_Get_Text(pictures, line) : std::string();
        Set_Team_String(picture.c_str(), team, STADIUM_PICTURE_STRING);
    }
    int32_t index = Selected(dialog, STADIUM_SURFACE_COMBO);
    if (index >= 0 && index < static_cast<int32_t>(std::size(SURFACE_OF_LINE)))
        Set_Team_Stadium_Stat(team, STADIUM_SURFACE, SURFACE_OF_LINE[index]);
    index = Selected(dialog, STADIUM_STRUCTURE_COMBO);
    if (index >= 0) Set_Team_Stadium_Stat(team, STADIUM_STRUCTURE, index);
    int32_t capacity = 0;
    if (Read_Dialog_Int(dialog, STADIUM_CAPACITY_EDIT, "Capacity", 0, MOST_STADIUM_SEATS,
                        Get_Team_Stadium_Stat(team, STADIUM_CAPACITY), &capacity))
        Set_Team_Stadium_Stat(team, STADIUM_CAPACITY, capacity);
    for (int32_t k = 0; k < 3; ++k) {
        index = Selected(dialog, STADIUM_GRADE_COMBOS[k]);
        if (index >= 0) Set_Team_Stadium_Stat(team, GRADE_STATS[k], Get_Seating_Grade_Value(index));
    }
}

void Fill_Stadium_Art_List(WINDOW_HANDLE dialog) {
    Fill_Picture_File_List(dialog, STADIUM_PICTURE_LIST, "dialogs/stadiums", "*.jpg",
                           "There are no art files in the Stadium directory. Stadium pictures will not be "
                           "displayed.");
}

void Invalidate_Stadium_Picture_Area(WINDOW_HANDLE dialog) {
    Redraw_Window(dialog);
}

intptr_t Stadium_Editor_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Init_Stadium_Editor(dialog);
        return 1;
    case MSG_DRAW_ITEM:
        Draw_Team_Combo_Item(reinterpret_cast<const DRAW_ITEM_INFO*>(lparam));
        return 1;
    case MSG_MEASURE_ITEM:
        return Measure_List_Item_Height(dialog, reinterpret_cast<MEASURE_ITEM_INFO*>(lparam));
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case TEAM_SELECTOR:
            if (Command_Notification(wparam) == NOTIFY_COMBO_SELECTION_CHANGE) Choose_Team(dialog);
            return 1;
        case ID_OK:
        case ID_CANCEL:
            Apply_Stadium_Fields(dialog);
            End_Dialog(dialog, 1);
            return 1;
        case HELP_BUTTON:
            Open_Help_Topic("stadiumeditor");
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
