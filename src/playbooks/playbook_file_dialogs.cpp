#include "playbooks/playbook_file_dialogs.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/context_help.h"
#include "app/dialog_lists.h"
#include "app/main_window.h"
#include "app/team_lists.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/string_table.h"
#include "database/team_record.h"
#include "database/text_format.h"
#include "database/universe.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/saved_game_names.h"
#include "engine/formations.h"
#include "engine/playbook_records.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/file_search.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "playbooks/playbook_files.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr unsigned BOX_QUESTION = 0x20;
constexpr unsigned BOX_WARNING = 0x30;
constexpr const char* PLAYBOOK_FOLDER = "playbooks";
// Position columns of the analyzer by side; -1 an empty column.
constexpr int32_t OFFENSE_COLUMNS[ANALYZER_POSITION_COLUMNS] = {-1, 1, 2, 3, 4};
constexpr int32_t DEFENSE_COLUMNS[ANALYZER_POSITION_COLUMNS] = {9, 8, 10, 11, 12};

const DIALOG_CONTROL LOAD_CONTROLS[] = {
    {CONTROL_GROUP_BOX, PLAYBOOK_GROUP_LABEL, {8, 4, 172, 122}, "Saved Offensive Playbooks", 0},
    {CONTROL_LIST_BOX, PLAYBOOK_FILE_LIST, {14, 16, 160, 104}, "", BUTTON | CONTROL_SORTED},
    {CONTROL_PUSH_BUTTON, ID_OK, {188, 10, 64, 15}, "&Load", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYBOOK_DELETE_BUTTON, {188, 30, 64, 15}, "&Delete", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {188, 50, 64, 15}, "&Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYBOOK_HELP_BUTTON, {188, 107, 64, 15}, "&Help", BUTTON},
    {CONTROL_STATIC_TEXT, ANALYZER_NOTES, {8, 130, 244, 34}, "", 0},
    {CONTROL_STATIC_TEXT, ANALYZER_PLAYS, {8, 168, 30, 130}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, ANALYZER_FORMATIONS, {40, 168, 112, 130}, "", 0},
    {CONTROL_STATIC_TEXT, ANALYZER_FIRST_POSITION, {152, 168, 20, 130}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, ANALYZER_FIRST_POSITION + 1, {172, 168, 20, 130}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, ANALYZER_FIRST_POSITION + 2, {192, 168, 20, 130}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, ANALYZER_FIRST_POSITION + 3, {212, 168, 20, 130}, "", CONTROL_CENTRE_TEXT},
    {CONTROL_STATIC_TEXT, ANALYZER_FIRST_POSITION + 4, {232, 168, 20, 130}, "", CONTROL_CENTRE_TEXT},
};

const DIALOG_CONTROL SAVE_CONTROLS[] = {
    {CONTROL_GROUP_BOX, PLAYBOOK_GROUP_LABEL, {8, 4, 244, 32}, "Save Current Offensive Playbook As:", 0},
    {CONTROL_EDIT, PLAYBOOK_NAME_EDIT, {16, 16, 228, 13}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {78, 44, 54, 15}, "&Save", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {138, 44, 54, 15}, "&Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, PLAYBOOK_HELP_BUTTON, {198, 44, 54, 15}, "&Help", BUTTON},
};

bool Is_Defense_Side() {
    return Get_User_Preference(PLAYBOOK_EDITOR_SIDE) != 0;
}

const char* Side_Extension() {
    return Is_Defense_Side() ? ".dpb" : ".opb";
}

std::string Selected_Item(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, PLAYBOOK_FILE_LIST);
    const int32_t selected = List_Box_Get_Current_Selection(list);
    return selected < 0 ? std::string() : List_Box_Get_Text(list, selected);
}

void Delete_Selected_Playbook(WINDOW_HANDLE dialog) {
    const std::string item = Selected_Item(dialog);
    if (item.empty()) return;
    const std::string file = item + Side_Extension();
    char question[600];
    std::snprintf(question, sizeof question, "Are you sure you want to delete '%s'?", file.c_str());
    if (Is_Folder_File_Name(file.c_str()) &&
        Show_Message_Box(question, "Confirm File Deletion", BOX_YES_NO | BOX_QUESTION | BOX_TASK_MODAL) ==
            ID_BOX_YES) {
        const std::string path = std::string(PLAYBOOK_FOLDER) + "/" + file;
        std::error_code error;
        if (!std::filesystem::remove(Resolve_File_Path(path.c_str()), error))
            Show_Formatted_Message(
                "Couldn't delete file",
                "Football Korva could not delete %s. You can delete it manually. If you have "
                "further problems you may need to re-install Football Korva.",
                file.c_str());
    }
    Fill_Playbook_File_List(dialog);
}

void Append(char* text, size_t size, const char* format, int32_t value) {
    char piece[64];
    std::snprintf(piece, sizeof piece, format, value);
    safe_strncat(text, piece, static_cast<int>(size));
}

void Append_Text(char* text, size_t size, const char* format, const char* value) {
    char piece[128];
    std::snprintf(piece, sizeof piece, format, value);
    safe_strncat(text, piece, static_cast<int>(size));
}

void Load_And_End(WINDOW_HANDLE dialog) {
    Validate_Viewed_Team();
    if (Load_Selected_Playbook(dialog, Get_User_Preference(VIEWED_TEAM))) End_Dialog(dialog, 1);
}

void Open_Load_Dialog(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ID_OK, PLAYBOOK_DELETE_BUTTON, ID_CANCEL, PLAYBOOK_HELP_BUTTON});
    Enable_Window(Main_Window, false);
    const bool defense = Is_Defense_Side();
    Set_Window_Text(dialog, defense ? "Load Defensive Playbook" : "Load Offensive Playbook");
    Set_Dialog_Item_Text(dialog, PLAYBOOK_GROUP_LABEL,
                         defense ? "Saved Defensive Playbooks" : "Saved Offensive Playbooks");
    if (Fill_Playbook_File_List(dialog)) Analyze_Playbook_File(dialog);
}

void Open_Save_Dialog(WINDOW_HANDLE dialog) {
    Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL, PLAYBOOK_HELP_BUTTON});
    Validate_Viewed_Team();
    const bool defense = Is_Defense_Side();
    Set_Window_Text(dialog, defense ? "Save Defensive Playbook" : "Save Offensive Playbook");
    Set_Dialog_Item_Text(dialog, PLAYBOOK_GROUP_LABEL,
                         defense ? "Save Current Defensive Playbook As:"
                                 : "Save Current Offensive Playbook As:");
    Edit_Set_Limit(Get_Dialog_Item(dialog, PLAYBOOK_NAME_EDIT), PLAYBOOK_NAME_EDIT_LIMIT);
    const int32_t team = Get_User_Preference(VIEWED_TEAM);
    const TEAM_PLAYBOOK_BLOCK& block = Universe.Teams[team].Playbooks;
    char name[PLAYBOOK_NAME_LENGTH];
    safe_strncpy(name, defense ? block.Defense.Name : block.Offense.Name, sizeof name);
    if (name[0] == '\0') {
        // The team's nickname and the calendar year.
        char nickname[64] = "";
        if (team < 38) Get_Team_String(nickname, team, 2);
        safe_sprintf(name, sizeof name, "%s-%d", nickname, Get_Current_Year());
    }
    Set_Dialog_Item_Text(dialog, PLAYBOOK_NAME_EDIT, name);
}

void Tell_Playbook_Save_Failure(int result) {
    if (result == 1)
        Show_Message_Box(
            "Football Korva was unable to save a playbook with that file name. It may contain some "
            "invalid characters.",
            "File Open Error", BOX_OK | BOX_INFORMATION | BOX_TASK_MODAL);
    else
        Show_Message_Box("Football Korva was unable to write the playbook file, probably because of low hard "
                         "drive space. You can use the 'Load Playbook' dialog to erase old playbook files.",
                         "File Write Error", BOX_OK | BOX_INFORMATION | BOX_TASK_MODAL);
}

void Save_Under_Typed_Name(WINDOW_HANDLE dialog) {
    const std::string name =
        Get_Dialog_Item_Text(dialog, PLAYBOOK_NAME_EDIT).substr(0, PLAYBOOK_NAME_EDIT_LIMIT);
    const std::string file = name + Side_Extension();
    // A playbook name is a file in the playbooks folder, never a path. Its
    // file is written through "<name>.opb.tmp" (or ".dpb.tmp") as a saved
    // game's is through "<name>.kor.tmp", so the saved-game name's test holds
    // it to the length a file's name can take.
    static_assert(sizeof ".opb" == sizeof ".kor" && sizeof ".dpb" == sizeof ".kor");
    const int32_t check = Check_Saved_Game_Name(name.c_str());
    if (check == SAVED_GAME_NAME_TOO_LONG) {
        // The text stays for the user to shorten.
        Show_Formatted_Message("Save Playbook", "%s", Describe_Too_Long_Name("A playbook's").c_str());
        Set_Focus(Get_Dialog_Item(dialog, PLAYBOOK_NAME_EDIT));
        return;
    }
    if (check != SAVED_GAME_NAME_OK) {
        Tell_Playbook_Save_Failure(1);
        return;
    }
    // The file is the block, name and all, so the name is stored before the
    // write; a write that fails gives the playbook its former name back.
    char former[PLAYBOOK_NAME_LENGTH] = {};
    char* field = Get_Playbook_Name_Field();
    if (field != nullptr) memcpy(former, field, sizeof former);
    Set_Playbook_Name(name.c_str());
    const std::string path = std::string(PLAYBOOK_FOLDER) + "/" + file;
    std::error_code error;
    if (std::filesystem::exists(Resolve_File_Path(path.c_str()), error) &&
        Show_Message_Box("A playbook with that name already exists. Overwrite?", "Filename in use",
                         BOX_OK_CANCEL | BOX_QUESTION | BOX_TASK_MODAL) != ID_BOX_OK)
        return;
    std::filesystem::create_directories(Resolve_File_Path(PLAYBOOK_FOLDER), error);
    const int result = Write_Playbook_File(path.c_str(), dialog);
    if (result == 0) return;
    if (field != nullptr) memcpy(field, former, sizeof former);
    Tell_Playbook_Save_Failure(result);
}
} // namespace

const DIALOG_TEMPLATE LOAD_PLAYBOOK_DIALOG_TEMPLATE = {
    LOAD_PLAYBOOK_DIALOG,
    "Load Playbook",
    260,
    304,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    LOAD_CONTROLS,
    static_cast<int32_t>(sizeof LOAD_CONTROLS / sizeof LOAD_CONTROLS[0]),
    2};

const DIALOG_TEMPLATE SAVE_PLAYBOOK_DIALOG_TEMPLATE = {
    SAVE_PLAYBOOK_DIALOG,
    "Save Playbook",
    260,
    66,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    SAVE_CONTROLS,
    static_cast<int32_t>(sizeof SAVE_CONTROLS / sizeof SAVE_CONTROLS[0]),
    0};

bool Fill_Playbook_File_List(WINDOW_HANDLE dialog) {
    const bool defense = Is_Defense_Side();
    const std::vector<std::string> files =
        Find_Files(Resolve_File_Path(PLAYBOOK_FOLDER), defense ? "*.dpb" : "*.opb");
    if (files.empty()) {
        if (defense)
            Show_Message_Box("There are no Defensive Playbook files (.dpb) in the 'playbook' folder.",
                             "No Defensive Playbooks Files", BOX_OK | BOX_WARNING | BOX_TASK_MODAL);
        else
            Show_Message_Box("There are no Offensive Playbook files (.opb) in the 'playbook' folder.",
                             "No Offensive Playbooks Files", BOX_OK | BOX_WARNING | BOX_TASK_MODAL);
        End_Dialog(dialog, ID_CANCEL);
        return false;
    }
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, PLAYBOOK_FILE_LIST);
    List_Box_Reset_Content(list);
    for (const std::string& file : files)
        List_Box_Add_String(list, file.c_str());
    Strip_Listbox_Extensions(list);
    List_Box_Set_Current_Selection(list, 0);
    return true;
}

bool Load_Selected_Playbook(WINDOW_HANDLE dialog, int32_t team) {
    const std::string item = Selected_Item(dialog);
    if (item.empty() || Load_Playbook_File(team, Is_Defense_Side() ? 1 : 0, item.c_str()) == 0) {
        Show_Formatted_Message("Read Error", "Unable to load playbook file.");
        return false;
    }
    return true;
}

void Clear_Playbook_Analyzer(WINDOW_HANDLE dialog) {
    Set_Dialog_Item_Text(dialog, ANALYZER_NOTES, "");
    Set_Dialog_Item_Text(dialog, ANALYZER_FORMATIONS, "");
    Set_Dialog_Item_Text(dialog, ANALYZER_PLAYS, "");
    for (int32_t c = 0; c < ANALYZER_POSITION_COLUMNS; ++c)
        Set_Dialog_Item_Text(dialog, ANALYZER_FIRST_POSITION + c, "");
}

void Analyze_Scratch_Playbook(int32_t side, PLAYBOOK_ANALYSIS* analysis) {
    if (analysis == nullptr) return;
    *analysis = PLAYBOOK_ANALYSIS{};
    const bool defense = side != 0;
    const int32_t plays = defense ? DEFENSIVE_PLAYS : STORED_OFFENSIVE_PLAYS;
    int32_t counts[NUMBER_OF_FORMATIONS] = {};
    for (int32_t p = 0; p < plays; ++p) {
        const uint32_t formation = defense
                                       ? static_cast<uint32_t>(Scratch_Defensive_Playbook.Plays[p].Formation)
                                       : static_cast<uint8_t>(Scratch_Offensive_Playbook.Plays[p].Formation);
        if (Is_Analyzer_Formation(formation)) ++counts[formation];
    }
    const int32_t* positions = defense ? DEFENSE_COLUMNS : OFFENSE_COLUMNS;
    safe_strncpy(analysis->Plays, "PLAYS\n", sizeof analysis->Plays);
    safe_strncpy(analysis->Formations, "MOST USED FORMATIONS\n", sizeof analysis->Formations);
    int32_t totals[ANALYZER_POSITION_COLUMNS] = {};
    for (int32_t c = 0; c < ANALYZER_POSITION_COLUMNS; ++c) {
        if (positions[c] < 0) continue;
        char name[RESOURCE_STRING_LIMIT] = "";
        Load_Resource_String(STRING_POSITION_SHORT + positions[c], name);
        Append_Text(analysis->Positions[c], sizeof analysis->Positions[c], "%s\n", name);
    }
    for (int32_t round = 0; round < ANALYZER_ROUNDS; ++round) {
        // The most used remaining formation; a tie goes to the lower number.
        int32_t best = -1;
        for (int32_t f = 0; f < NUMBER_OF_FORMATIONS; ++f)
            if (counts[f] > 0 && (best < 0 || counts[f] > counts[best])) best = f;
        if (best < 0) continue;
        Append(analysis->Plays, sizeof analysis->Plays, "%d\n", counts[best]);
        char name[64] = "";
        Get_Formation_Name(name, sizeof name, best);
        Append_Text(analysis->Formations, sizeof analysis->Formations, "%s\n", name);
        for (int32_t c = 0; c < ANALYZER_POSITION_COLUMNS; ++c) {
            if (positions[c] < 0) continue;
            const int32_t slots = Count_Formation_Slots_At_Position(best, positions[c]);
            totals[c] += counts[best] * slots;
            Append(analysis->Positions[c], sizeof analysis->Positions[c], "%d\n", slots);
        }
        counts[best] = 0;
    }
    safe_strncat(analysis->Formations, "\nAVERAGE", sizeof analysis->Formations);
    for (int32_t c = 0; c < ANALYZER_POSITION_COLUMNS; ++c) {
        if (positions[c] < 0) continue;
        // Tenths of a slot a play, over every play of the file.
        const int32_t tenths = (totals[c] * 10 + plays / 2) / plays;
        char average[32];
        std::snprintf(average, sizeof average, "\n%d.%d", tenths / 10, tenths % 10);
        safe_strncat(analysis->Positions[c], average, sizeof analysis->Positions[c]);
    }
}

void Analyze_Playbook_File(WINDOW_HANDLE dialog) {
    Clear_Playbook_Analyzer(dialog);
    const std::string item = Selected_Item(dialog);
    if (item.empty()) return;
    const int32_t side = Is_Defense_Side() ? 1 : 0;
    if (Load_Playbook_File(DEFAULT_PLAYBOOK_TEAM, side, item.c_str()) == 0) return;
    Set_Dialog_Item_Text(dialog, ANALYZER_NOTES,
                         side != 0 ? Scratch_Defensive_Playbook.Notes : Scratch_Offensive_Playbook.Notes);
    PLAYBOOK_ANALYSIS analysis;
    Analyze_Scratch_Playbook(side, &analysis);
    Set_Dialog_Item_Text(dialog, ANALYZER_PLAYS, analysis.Plays);
    Set_Dialog_Item_Text(dialog, ANALYZER_FORMATIONS, analysis.Formations);
    for (int32_t c = 0; c < ANALYZER_POSITION_COLUMNS; ++c)
        Set_Dialog_Item_Text(dialog, ANALYZER_FIRST_POSITION + c, analysis.Positions[c]);
}

intptr_t Load_Playbook_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Open_Load_Dialog(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case PLAYBOOK_FILE_LIST:
            if (Command_Notification(wparam) == NOTIFY_LIST_SELECTION_CHANGE) Analyze_Playbook_File(dialog);
            if (Command_Notification(wparam) == NOTIFY_LIST_DOUBLE_CLICK) Load_And_End(dialog);
            return 1;
        case ID_OK:
            Load_And_End(dialog);
            return 1;
        case PLAYBOOK_DELETE_BUTTON:
            Delete_Selected_Playbook(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, ID_CANCEL);
            return 1;
        case PLAYBOOK_HELP_BUTTON:
            Open_Context_Help(LOAD_PLAYBOOK_DIALOG);
            return 1;
        default:
            return 0;
        }
    case MSG_DESTROY:
        Enable_Window(Main_Window, true);
        return 0;
    default:
        return 0;
    }
}

intptr_t Save_Playbook_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Open_Save_Dialog(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case ID_OK:
            Save_Under_Typed_Name(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, 0);
            return 1;
        case PLAYBOOK_HELP_BUTTON:
            Open_Context_Help(SAVE_PLAYBOOK_DIALOG);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
