#include "dialogs/saved_game_dialogs.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <strings.h>
#include <sys/stat.h>

#include "app/context_help.h"
#include "app/diagnostics.h"
#include "app/dialog_lists.h"
#include "app/dialog_services.h"
#include "app/main_window.h"
#include "app/main_window_title.h"
#include "app/modal_dialogs.h"
#include "app/status_bars.h"
#include "database/league_structure.h"
#include "database/path_resolver.h"
#include "database/saved_game.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/dialog_setup.h"
#include "dialogs/saved_game_names.h"
#include "engine/game_record.h"
#include "engine/game_screen_hooks.h"
#include "personnel/draft_state.h"
#include "personnel/fantasy_draft.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/file_search.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "season/week_advance.h"
#include "views/current_view.h"

namespace {
constexpr uint32_t BUTTON = WINDOW_TAB_STOP;
constexpr int32_t HELP_BUTTON = 9;
constexpr unsigned BOX_QUESTION = 0x20;
constexpr unsigned BOX_WARNING = 0x30;
// Seconds from 1601 to 1970, and the file-time steps of a second.
constexpr uint64_t SECONDS_BEFORE_1970 = 11644473600ULL;
constexpr uint64_t FILE_TIME_STEPS_PER_SECOND = 10000000ULL;

const DIALOG_CONTROL RESUME_CONTROLS[] = {
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 4, 176, 150}, "Saved Games", 0},
    {CONTROL_LIST_BOX, SAVED_GAME_LIST, {14, 16, 164, 132}, "", BUTTON | CONTROL_SORTED},
    {CONTROL_PUSH_BUTTON, ID_OK, {192, 10, 60, 15}, "&Resume", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, DELETE_GAME_BUTTON, {192, 30, 60, 15}, "&Delete", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {192, 50, 60, 15}, "&Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {192, 139, 60, 15}, "&Help", BUTTON},
};

const DIALOG_CONTROL SAVE_CONTROLS[] = {
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {8, 4, 244, 32}, "Save Current Game As:", 0},
    {CONTROL_EDIT, SAVE_NAME_EDIT, {16, 16, 228, 13}, "", BUTTON},
    {CONTROL_PUSH_BUTTON, ID_OK, {78, 44, 54, 15}, "&Save", BUTTON | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {138, 44, 54, 15}, "&Cancel", BUTTON},
    {CONTROL_PUSH_BUTTON, HELP_BUTTON, {198, 44, 54, 15}, "&Help", BUTTON},
};

WINDOW_HANDLE Game_List(WINDOW_HANDLE dialog) {
    return Get_Dialog_Item(dialog, SAVED_GAME_LIST);
}

// The file of the selected entry ("<entry>.kor"); empty when nothing is
// selected or the entry would name another file (the user is told).
std::string Selected_Game_File(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Game_List(dialog);
    const int32_t selected = List_Box_Get_Current_Selection(list);
    if (selected < 0) return std::string();
    const std::string name = List_Box_Get_Text(list, selected);
    const int32_t check = Check_Listed_Game_Name(name.c_str());
    if (check != SAVED_GAME_NAME_OK) {
        Show_Formatted_Message("Saved Game", "%s", Describe_Saved_Game_Name_Check(check));
        return std::string();
    }
    return name + ".kor";
}

void Delete_Selected_Game(WINDOW_HANDLE dialog) {
    const std::string file = Selected_Game_File(dialog);
    if (file.empty()) return;
    char question[512];
    std::snprintf(question, sizeof question, "Are you sure you want to delete '%s'?", file.c_str());
    if (Show_Message_Box(question, "Confirm File Deletion", BOX_YES_NO | BOX_TASK_MODAL) == ID_BOX_YES) {
        std::error_code error;
        if (!std::filesystem::remove(Resolve_File_Path(file.c_str()), error))
            Show_Formatted_Message(
                "Couldn't delete file",
                "Football Korva could not delete %s. You can delete it manually. If you have "
                "further problems you may need to re-install Football Korva.",
                file.c_str());
    }
    Fill_Saved_Game_List(dialog);
}

// The screens follow the game just loaded.
void Show_Loaded_Game() {
    Set_Current_View(Get_Current_View());
    Update_Main_Window_Title();
    if (Is_College_Draft_Running() != 0) {
        if (Status_Bar_Exists() != 0) Destroy_Status_Bar();
    } else if (Status_Bar_Exists() != 0) {
        Redraw_Window(Status_Bar_Window);
    } else {
        Create_Status_Bar();
    }
    if (Get_User_Preference(GAME_SAVED_MIDWAY) != 0) {
        Universe.Header.Advance_In_Progress = 0;
        Advance_Weeks(1);
    } else {
        Refresh_Main_Window_And_Ticker();
    }
    // A fantasy draft goes on from where the save stands.
    Continue_Loaded_Fantasy_Draft();
}

void Resume_Selected_Game(WINDOW_HANDLE dialog) {
    const std::string file = Selected_Game_File(dialog);
    if (file.empty()) return;
    Enable_Window(Main_Window, true);
    Show_Window(dialog, false);
    if (Load_Game(file.c_str()) == 0) {
        // The loader has told the user; the league is as it was.
        Enable_Window(Main_Window, false);
        Show_Window(dialog, true);
        return;
    }
    End_Dialog(dialog, 1);
    Show_Loaded_Game();
}

intptr_t Handle_Resume_Command(WINDOW_HANDLE dialog, int32_t id, uint32_t notification) {
    switch (id) {
    case ID_OK:
        Resume_Selected_Game(dialog);
        return 1;
    case SAVED_GAME_LIST:
        if (notification == NOTIFY_LIST_DOUBLE_CLICK) Resume_Selected_Game(dialog);
        return 1;
    case DELETE_GAME_BUTTON:
        Delete_Selected_Game(dialog);
        return 1;
    case ID_CANCEL:
        End_Dialog(dialog, ID_CANCEL);
        return 1;
    case HELP_BUTTON:
        Open_Context_Help(RESUME_GAME_DIALOG);
        return 1;
    default:
        return 0;
    }
}

void Tell_Save_Failure(int result) {
    const std::string text = Describe_Save_Failure(result == SAVE_CANNOT_CREATE
                                                       ? "Football Korva was unable to save a game with that "
                                                         "file name. It may contain some invalid characters."
                                                       : SAVE_WRITE_ERROR_TEXT);
    if (text.empty()) return;
    Show_Message_Box(text.c_str(), result == SAVE_CANNOT_CREATE ? "File Open Error" : "File Write Error",
                     BOX_OK | BOX_INFORMATION | BOX_TASK_MODAL);
}

void Save_Under_Typed_Name(WINDOW_HANDLE dialog) {
    const std::string name = Get_Dialog_Item_Text(dialog, SAVE_NAME_EDIT).substr(0, SAVE_NAME_EDIT_LIMIT);
    const int32_t check = Check_Saved_Game_Name(name.c_str());
    if (check != SAVED_GAME_NAME_OK) {
        // The text stays for the user to mend, and what he types next goes
        // into the name box, whatever the click on Save left the focus on.
        Show_Formatted_Message("Save Game", "%s", Describe_Saved_Game_Name_Check(check));
        Set_Focus(Get_Dialog_Item(dialog, SAVE_NAME_EDIT));
        return;
    }
    const std::string file = name + ".kor";
    std::error_code error;
    if (std::filesystem::exists(Resolve_File_Path(file.c_str()), error) &&
        Show_Message_Box("A saved game with that name already exists. Overwrite?", "Filename in use",
                         BOX_OK_CANCEL | BOX_QUESTION | BOX_TASK_MODAL) != ID_BOX_OK)
        return;
    const std::string former_name = Universe.Header.Saved_Game_Name;
    Set_Saved_Game_Name(name.c_str());
    if (Get_User_Preference(SIMULATION_RUNNING) != 0 && Is_Game_Play_By_Play(Current_Game) != 0)
        Set_User_Preference(GAME_SAVED_MIDWAY, 1);
    End_Dialog(dialog, 1);
    Show_Window(dialog, false);
    const int result = Save_Game(file.c_str(), nullptr);
    Set_User_Preference(GAME_SAVED_MIDWAY, 0);
    if (result == SAVE_OK) return;
    // A save that failed is no save: the league keeps its former name and
    // the command that asked for the save stops.
    Set_Saved_Game_Name(former_name.c_str());
    End_Dialog(dialog, 0);
    Tell_Save_Failure(result);
}
} // namespace

const DIALOG_TEMPLATE RESUME_GAME_DIALOG_TEMPLATE = {
    RESUME_GAME_DIALOG,
    "Resume Game",
    260,
    160,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    RESUME_CONTROLS,
    static_cast<int32_t>(sizeof RESUME_CONTROLS / sizeof RESUME_CONTROLS[0]),
    ID_CANCEL};
const DIALOG_TEMPLATE SAVE_GAME_DIALOG_TEMPLATE = {
    SAVE_GAME_DIALOG,
    "Save Game",
    260,
    66,
    "MS Sans Serif",
    8,
    WINDOW_CAPTION | WINDOW_BORDER,
    SAVE_CONTROLS,
    static_cast<int32_t>(sizeof SAVE_CONTROLS / sizeof SAVE_CONTROLS[0]),
    0};

uint32_t Get_File_Write_Time_Step(const char* path) {
    struct stat status {};
    if (path == nullptr || stat(path, &status) != 0 || status.st_mtime < 0) return 0;
    const uint64_t steps =
        (static_cast<uint64_t>(status.st_mtime) + SECONDS_BEFORE_1970) * FILE_TIME_STEPS_PER_SECOND;
    return static_cast<uint32_t>(steps >> 32);
}

bool Fill_Saved_Game_List(WINDOW_HANDLE dialog) {
    const std::vector<std::string> files = Find_Files(".", "*.kor");
    if (files.empty()) {
        Show_Message_Box("There are no Football Korva game files in the current directory.",
                         "No games to resume", BOX_OK | BOX_WARNING | BOX_TASK_MODAL);
        End_Dialog(dialog, ID_CANCEL);
        return false;
    }
    const WINDOW_HANDLE list = Game_List(dialog);
    List_Box_Reset_Content(list);
    uint32_t newest = 0;
    std::string chosen;
    for (const std::string& file : files) {
        List_Box_Add_String(list, file.c_str());
        const uint32_t step = Get_File_Write_Time_Step(Resolve_File_Path(file.c_str()).c_str());
        if (strcasecmp(file.c_str(), AUTO_SAVE_FILE_NAME) != 0 && step > newest) {
            newest = step;
            chosen = file;
        }
    }
    // The list keeps its lines in order, so the newest is found by its name.
    const int32_t index =
        chosen.empty()
            ? -1
            : static_cast<int32_t>(Send_Window_Message(list, MSG_LIST_FIND_EXACT, static_cast<uintptr_t>(-1),
                                                       reinterpret_cast<intptr_t>(chosen.c_str())));
    List_Box_Set_Current_Selection(list, index);
    Strip_Listbox_Extensions(list);
    Log_Debug_Line("Resume Game: %d saved game(s) listed", static_cast<int>(files.size()));
    return true;
}

intptr_t Resume_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {ID_CANCEL, DELETE_GAME_BUTTON, HELP_BUTTON, ID_OK});
        Enable_Window(Main_Window, false);
        Fill_Saved_Game_List(dialog);
        return 1;
    case MSG_COMMAND:
        return Handle_Resume_Command(dialog, Command_Id(wparam), Command_Notification(wparam));
    case MSG_DESTROY:
        Enable_Window(Main_Window, true);
        return 0;
    default:
        return 0;
    }
}

intptr_t Save_Game_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG: {
        Set_Up_Skinned_Dialog(dialog, {ID_CANCEL, HELP_BUTTON, ID_OK});
        Edit_Set_Limit(Get_Dialog_Item(dialog, SAVE_NAME_EDIT), SAVE_NAME_EDIT_LIMIT);
        Update_Default_Save_Name();
        char name[sizeof Universe.Header.Saved_Game_Name];
        Get_Usable_Saved_Game_Name(name, sizeof name);
        Set_Dialog_Item_Text(dialog, SAVE_NAME_EDIT, name);
        return 1;
    }
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case ID_OK:
            Save_Under_Typed_Name(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, 0);
            return 1;
        case HELP_BUTTON:
            Open_Context_Help(SAVE_GAME_DIALOG);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
