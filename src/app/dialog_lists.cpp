#include "app/dialog_lists.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "app/drawing_primitives.h"
#include "database/league_structure.h"
#include "database/random_numbers.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "personnel/scouting.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/windows.h"

char* Cut_String_At_Char(char* text, char ch) {
    if (text == nullptr) return nullptr;
    if (char* found = std::strchr(text, ch); found != nullptr) *found = '\0';
    return text;
}

char* Remove_File_Extension(char* text) {
    if (text == nullptr) return nullptr;
    if (char* dot = std::strrchr(text, '.'); dot != nullptr) *dot = '\0';
    return text;
}

namespace {
// A list line without its extension; false for a line without a dot, which stays.
bool Get_Text_Without_Extension(const std::string& line, std::string* cut) {
    if (line.find('.') == std::string::npos) return false;
    std::vector<char> text(line.begin(), line.end());
    text.push_back('\0');
    *cut = Remove_File_Extension(text.data());
    return true;
}
} // namespace

void Strip_Listbox_Extensions(WINDOW_HANDLE list) {
    const int32_t selected = List_Box_Get_Current_Selection(list);
    for (int32_t i = 0; i < List_Box_Get_Count(list); ++i) {
        std::string cut;
        if (!Get_Text_Without_Extension(List_Box_Get_Text(list, i), &cut)) continue;
        List_Box_Delete_String(list, i);
        List_Box_Insert_String(list, i, cut.c_str());
    }
    List_Box_Set_Current_Selection(list, selected);
}

void Strip_Combo_Extensions(WINDOW_HANDLE combo) {
    const int32_t selected = Combo_Box_Get_Current_Selection(combo);
    for (int32_t i = 0; i < Combo_Box_Get_Count(combo); ++i) {
        std::string cut;
        if (!Get_Text_Without_Extension(Combo_Box_Get_Text(combo, i), &cut)) continue;
        Send_Window_Message(combo, MSG_COMBO_DELETE_STRING, static_cast<uintptr_t>(i), 0);
        Send_Window_Message(combo, MSG_COMBO_INSERT_STRING, static_cast<uintptr_t>(i),
                            reinterpret_cast<intptr_t>(cut.c_str()));
    }
    Combo_Box_Set_Current_Selection(combo, selected);
}

void Fill_Percent_Combo(WINDOW_HANDLE combo) {
    Combo_Box_Reset_Content(combo);
    for (int32_t step = -100; step <= 100; step += 10) {
        char text[16];
        std::snprintf(text, sizeof text, step < 0 ? "-%d%%" : "+%d%%", step < 0 ? -step : step);
        Combo_Box_Add_String(combo, text);
    }
}

void Fill_Letter_Grade_Combo(WINDOW_HANDLE combo) {
    Combo_Box_Reset_Content(combo);
    for (int32_t grade = 0; grade < NUMBER_OF_LETTER_GRADES - 1; ++grade) {
        char text[LETTER_GRADE_SIZE];
        Get_Letter_Grade(grade, text);
        Combo_Box_Add_String(combo, text);
    }
}

void Fill_Stat_Season_Combo(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE combo = Get_Dialog_Item(dialog, STAT_SEASON_COMBO);
    if (combo == NO_WINDOW) return;
    Combo_Box_Reset_Content(combo);
    const bool predicted = Get_Replay_Mode() != 0 || Get_User_Preference(COMMISSIONER_MODE) != 0;
    const int32_t count = predicted ? 4 : 3;
    for (int32_t i = 0; i < count; ++i) {
        char text[RESOURCE_STRING_LIMIT];
        Load_Resource_String(STRING_STAT_SEASONS + i, text);
        Combo_Box_Add_String(combo, text);
    }
    int32_t choice = Get_User_Preference(STAT_SEASON_CHOICE);
    if (choice < 0 || choice >= count) {
        choice = 0;
        Set_User_Preference(STAT_SEASON_CHOICE, 0);
    }
    Combo_Box_Set_Current_Selection(combo, choice);
}

void Check_Stat_Season_Radio(WINDOW_HANDLE dialog) {
    const int32_t choice = Get_User_Preference(STAT_SEASON_CHOICE);
    for (int32_t i = 0; i < 3; ++i)
        Check_Dialog_Button(dialog, STAT_SEASON_RADIOS[i], i == choice ? BUTTON_CHECKED : BUTTON_UNCHECKED);
}

void Compute_Dialog_Scale_Factor(WINDOW_HANDLE dialog) {
    RECT_AREA ruler;
    Get_Dialog_Item_Rect(dialog, COLUMN_RULER_CONTROL, &ruler);
    Dialog_Scale_Factor = Mul_Div_Round(ruler.Right - ruler.Left, 1000, 512);
}
