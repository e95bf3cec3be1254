#include "reports/encyclopedia_dialogs.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/diagnostics.h"
#include "app/modal_dialogs.h"
#include "database/path_resolver.h"
#include "database/safe_strings.h"
#include "database/text_files.h"
#include "dialogs/dialog_setup.h"
#include "platform/combo_box.h"
#include "platform/controls.h"
#include "platform/edit_control.h"
#include "platform/file_search.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"
#include "reports/encyclopedia_export.h"
#include "reports/shell_open.h"

char Export_Folder_Choice[EXPORT_CHOICE_SIZE] = "";
char Browse_Folder[EXPORT_CHOICE_SIZE] = "";

namespace {
constexpr uint32_t STOP = WINDOW_TAB_STOP;
constexpr const char* NO_DESIGN_ENTRY = ".css not found!";

const DIALOG_CONTROL VIEW_ENCYCLOPEDIA_CONTROLS[] = {
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 10, 200, 10}, "Select Export Directory:", 0},
    {CONTROL_EDIT, EXPORT_FOLDER_EDIT, {10, 22, 200, 13}, "", STOP},
    {CONTROL_PUSH_BUTTON, BROWSE_FOLDER_BUTTON, {216, 21, 50, 15}, "Browse", STOP},
    {CONTROL_STATIC_TEXT, UNNAMED_CONTROL, {10, 44, 200, 10}, "Choose Design:", 0},
    {CONTROL_COMBO_BOX, DESIGN_LIST, {10, 56, 200, 64}, "", STOP},
    {CONTROL_PUSH_BUTTON,
     EXPORT_AND_VIEW_BUTTON,
     {10, 82, 256, 16},
     "Export and View HTML Encyclopedia",
     STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, VIEW_ENCYCLOPEDIA_BUTTON, {10, 102, 256, 16}, "View HTML Encyclopedia", STOP},
};

const DIALOG_CONTROL CHOOSE_FOLDER_CONTROLS[] = {
    {CONTROL_GROUP_BOX, UNNAMED_CONTROL, {6, 4, 248, 150}, "Export Folder", 0},
    {CONTROL_EDIT, EXPORT_FOLDER_EDIT, {14, 18, 232, 13}, "", STOP},
    {CONTROL_LIST_BOX, FOLDER_LIST, {14, 36, 116, 110}, "", STOP},
    {CONTROL_LIST_BOX, PLACE_LIST, {136, 36, 110, 110}, "", STOP},
    {CONTROL_PUSH_BUTTON, ID_OK, {144, 160, 52, 15}, "OK", STOP | CONTROL_DEFAULT_BUTTON},
    {CONTROL_PUSH_BUTTON, ID_CANCEL, {202, 160, 52, 15}, "Cancel", STOP},
};

template <size_t N> constexpr int32_t Count_Of(const DIALOG_CONTROL (&)[N]) {
    return static_cast<int32_t>(N);
}

// The game's folder, as the game's text.
std::string Current_Folder() {
    std::error_code error;
    return Text_From_File_Name(std::filesystem::current_path(error).string());
}

std::string Selected_Design(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, DESIGN_LIST);
    const int32_t selected = Combo_Box_Get_Current_Selection(list);
    return selected < 0 ? std::string(DEFAULT_DESIGN) : Combo_Box_Get_Text(list, selected);
}

// The folder of the edit as the export takes it: one trailing separator removed.
void Take_Folder_Choice(WINDOW_HANDLE dialog) {
    Get_Dialog_Item_Text_Buffer(dialog, EXPORT_FOLDER_EDIT, Export_Folder_Choice,
                                sizeof Export_Folder_Choice);
    const size_t length = std::strlen(Export_Folder_Choice);
    if (length > 1 && (Export_Folder_Choice[length - 1] == '/' || Export_Folder_Choice[length - 1] == '\\'))
        Export_Folder_Choice[length - 1] = '\0';
}

// Opens the index of the chosen folder, when there is one.
void Open_Encyclopedia_Index(WINDOW_HANDLE owner) {
    const std::string index = Resolve_File_Path((std::string(Export_Folder_Choice) + "/index.htm").c_str());
    std::error_code error;
    if (!std::filesystem::is_regular_file(index, error)) {
        Show_Formatted_Message("View HTML Encyclopedia", "There is no HTML Encyclopedia in \"%s\" yet.",
                               Export_Folder_Choice);
        return;
    }
    Shell_Open(owner, Text_From_File_Name(std::filesystem::absolute(index, error).string()).c_str());
}

void Export_And_View(WINDOW_HANDLE dialog) {
    if (Save_Export_Settings(dialog) == 0) return;
    Take_Folder_Choice(dialog);
    const std::string design = Selected_Design(dialog);
    const WINDOW_HANDLE owner = Get_Window_Owner(dialog);
    if (Export_HTML_Encyclopedia(dialog, design.c_str()) == 1 && !Get_Last_Export_Result().Stopped_By_Quit)
        Open_Encyclopedia_Index(owner);
}

void View_Only(WINDOW_HANDLE dialog) {
    if (Save_Export_Settings(dialog) == 0) return;
    Take_Folder_Choice(dialog);
    Open_Encyclopedia_Index(Get_Window_Owner(dialog));
}

void Show_Browse_Folder(WINDOW_HANDLE dialog, const char* entry) {
    char shown[EXPORT_CHOICE_SIZE];
    safe_strncpy(shown, Browse_Folder, sizeof shown);
    Change_Directory_Path(entry, shown, sizeof shown);
    Set_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT, shown);
}

void On_Folder_List(WINDOW_HANDLE dialog, uint32_t notification) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, FOLDER_LIST);
    const int32_t selected = List_Box_Get_Current_Selection(list);
    if (selected < 0) return;
    const std::string entry = List_Box_Get_Text(list, selected);
    if (notification == NOTIFY_LIST_SELECTION_CHANGE) {
        Show_Browse_Folder(dialog, entry.c_str());
    } else if (notification == NOTIFY_LIST_DOUBLE_CLICK) {
        Change_Directory_Path(entry.c_str(), Browse_Folder, sizeof Browse_Folder);
        Set_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT, Browse_Folder);
        Fill_Directory_List(dialog, Browse_Folder);
    }
}

void On_Place_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, PLACE_LIST);
    const int32_t selected = List_Box_Get_Current_Selection(list);
    if (selected < 0) return;
    Set_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT, "");
    safe_strncpy(Browse_Folder, List_Box_Get_Text(list, selected).c_str(), sizeof Browse_Folder);
    Fill_Directory_List(dialog, Browse_Folder);
}

void Take_Browsed_Folder(WINDOW_HANDLE dialog) {
    char folder[EXPORT_CHOICE_SIZE];
    Get_Dialog_Item_Text_Buffer(dialog, EXPORT_FOLDER_EDIT, folder, sizeof folder);
    if (folder[0] != '\0') safe_strncpy(Export_Folder_Choice, folder, sizeof Export_Folder_Choice);
    End_Dialog(dialog, ID_OK);
}
} // namespace

const DIALOG_TEMPLATE VIEW_ENCYCLOPEDIA_DIALOG_TEMPLATE = {VIEW_ENCYCLOPEDIA_DIALOG,
                                                           "View Encyclopedia",
                                                           276,
                                                           128,
                                                           "MS Sans Serif",
                                                           8,
                                                           WINDOW_CAPTION | WINDOW_BORDER,
                                                           VIEW_ENCYCLOPEDIA_CONTROLS,
                                                           Count_Of(VIEW_ENCYCLOPEDIA_CONTROLS),
                                                           ID_CANCEL};
const DIALOG_TEMPLATE CHOOSE_EXPORT_FOLDER_DIALOG_TEMPLATE = {CHOOSE_EXPORT_FOLDER_DIALOG,
                                                              "Choose Export Folder",
                                                              260,
                                                              182,
                                                              "MS Sans Serif",
                                                              8,
                                                              WINDOW_CAPTION | WINDOW_BORDER,
                                                              CHOOSE_FOLDER_CONTROLS,
                                                              Count_Of(CHOOSE_FOLDER_CONTROLS),
                                                              ID_CANCEL};

bool Read_Export_Settings(const char* path, char* folder, int32_t folder_size, char* design,
                          int32_t design_size) {
    if (folder == nullptr || design == nullptr || folder_size <= 0 || design_size <= 0) return false;
    safe_strncpy(folder, DEFAULT_EXPORT_FOLDER, folder_size);
    safe_strncpy(design, DEFAULT_DESIGN, design_size);
    FILE* file = path != nullptr ? Open_Resolved_File(path, "rb") : nullptr;
    if (file == nullptr) return false;
    std::vector<char> line(static_cast<size_t>(std::max(folder_size, design_size)) + 1, '\0');
    // A lone carriage return ends a value as a line end does.
    const auto take = [&line](char* value, int32_t size) {
        line[std::strcspn(line.data(), "\r")] = '\0';
        if (line[0] != '\0') safe_strncpy(value, line.data(), size);
    };
    const int end = Read_Line(line.data(), file, folder_size);
    take(folder, folder_size);
    line[0] = '\0';
    if (!end) Read_Line(line.data(), file, design_size);
    take(design, design_size);
    std::fclose(file);
    return true;
}

void Load_Export_Settings(WINDOW_HANDLE dialog) {
    char folder[EXPORT_CHOICE_SIZE], design[EXPORT_CHOICE_SIZE];
    Read_Export_Settings(EXPORT_SETTINGS_FILE, folder, sizeof folder, design, sizeof design);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, DESIGN_LIST);
    Combo_Box_Reset_Content(list);
    const std::vector<std::string> designs = Find_Files(Resolve_File_Path("HTML_Templates/CSS"), "*.css");
    for (const std::string& name : designs)
        Combo_Box_Add_String(list, name.c_str());
    Set_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT, folder);
    safe_strncpy(Export_Folder_Choice, folder, sizeof Export_Folder_Choice);
    if (designs.empty()) {
        Combo_Box_Add_String(list, NO_DESIGN_ENTRY);
        Combo_Box_Set_Current_Selection(list, 0);
        return;
    }
    int32_t chosen = -1;
    for (const char* wanted : {static_cast<const char*>(design), DEFAULT_DESIGN}) {
        for (size_t n = 0; n < designs.size() && chosen < 0; ++n)
            if (designs[n].compare(0, std::strlen(wanted), wanted) == 0) chosen = static_cast<int32_t>(n);
        if (chosen >= 0) break;
    }
    Combo_Box_Set_Current_Selection(list, std::max(chosen, 0));
}

int32_t Save_Export_Settings(WINDOW_HANDLE dialog) {
    const std::string design = Selected_Design(dialog);
    char folder[EXPORT_CHOICE_SIZE];
    Get_Dialog_Item_Text_Buffer(dialog, EXPORT_FOLDER_EDIT, folder, sizeof folder);
    if (folder[0] == '\0') {
        Show_Message_Box("You must choose output dir.", nullptr, BOX_OK);
        return 0;
    }
    if (std::strlen(folder) > static_cast<size_t>(LONGEST_EXPORT_FOLDER)) {
        Show_Message_Box("Output directory name too long.", nullptr, BOX_OK);
        return 0;
    }
    Create_File_Folder(EXPORT_SETTINGS_FILE);
    FILE* file = Open_Resolved_File(EXPORT_SETTINGS_FILE, "wt");
    if (file == nullptr) {
        // The choice still stands for this export; only the next start forgets it.
        Report_System_Error("Unable to write %s", EXPORT_SETTINGS_FILE);
        return 1;
    }
    std::fprintf(file, "%s\n%s", folder, design.c_str());
    std::fclose(file);
    return 1;
}

void Fill_Drive_List(WINDOW_HANDLE dialog) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, PLACE_LIST);
    List_Box_Reset_Content(list);
    List_Box_Add_String(list, "/");
    const char* home_path = std::getenv("HOME");
    const std::string home = home_path != nullptr ? Text_From_File_Name(home_path) : std::string();
    if (!home.empty() && home[0] == '/' && home != "/") List_Box_Add_String(list, home.c_str());
    const std::string game = Current_Folder();
    if (!game.empty() && game != "/" && game != home) List_Box_Add_String(list, game.c_str());
}

void Fill_Directory_List(WINDOW_HANDLE dialog, const char* folder) {
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, FOLDER_LIST);
    List_Box_Reset_Content(list);
    const std::string path = folder != nullptr && folder[0] != '\0' ? folder : "/";
    // The folder is named in the game's text; the names read from it become
    // the game's text, so a chosen folder is found again by the resolver.
    const std::string resolved = Resolve_File_Path(path.c_str());
    std::vector<std::string> names;
    if (DIR* directory = opendir(resolved.c_str())) {
        while (const dirent* entry = readdir(directory)) {
            if (std::strcmp(entry->d_name, ".") == 0) continue;
            struct stat info;
            const std::string full = resolved + (resolved.back() == '/' ? "" : "/") + entry->d_name;
            if (stat(full.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
                names.push_back(Text_From_File_Name(entry->d_name));
        }
        closedir(directory);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    for (const std::string& name : names)
        List_Box_Add_String(list, name.c_str());
}

void Change_Directory_Path(const char* entry, char* path, int32_t size) {
    if (entry == nullptr || path == nullptr || size <= 0) return;
    std::string folder = path;
    if (std::strcmp(entry, "..") == 0) {
        const size_t cut = folder.find_last_of("/\\");
        if (cut != std::string::npos) folder.erase(cut);
        if (folder.empty()) folder.push_back('/');
    } else {
        if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
        folder += entry;
    }
    safe_strncpy(path, folder.c_str(), size);
}

intptr_t View_Encyclopedia_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                       intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog,
                              {BROWSE_FOLDER_BUTTON, EXPORT_AND_VIEW_BUTTON, VIEW_ENCYCLOPEDIA_BUTTON});
        Load_Export_Settings(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case BROWSE_FOLDER_BUTTON:
            Do_Dialog(dialog, CHOOSE_EXPORT_FOLDER_DIALOG, 0);
            Set_Dialog_Item_Text(dialog, EXPORT_FOLDER_EDIT, Export_Folder_Choice);
            return 1;
        case EXPORT_AND_VIEW_BUTTON:
            Export_And_View(dialog);
            return 1;
        case VIEW_ENCYCLOPEDIA_BUTTON:
            View_Only(dialog);
            return 1;
        // Escape and the close box: the dialog has no button of its own to end it.
        case ID_OK:
        case ID_CANCEL:
            End_Dialog(dialog, Command_Id(wparam));
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

intptr_t Choose_Export_Folder_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                          intptr_t lparam) {
    if (Is_Dialog_Colour_Message(code)) return Answer_Dialog_Colour(code, dialog, wparam, lparam);
    switch (code) {
    case MSG_INIT_DIALOG:
        Set_Up_Skinned_Dialog(dialog, {ID_OK, ID_CANCEL});
        safe_strncpy(Browse_Folder, Current_Folder().c_str(), sizeof Browse_Folder);
        Fill_Directory_List(dialog, Browse_Folder);
        Fill_Drive_List(dialog);
        return 1;
    case MSG_COMMAND:
        switch (Command_Id(wparam)) {
        case FOLDER_LIST:
            On_Folder_List(dialog, Command_Notification(wparam));
            return 1;
        case PLACE_LIST:
            if (Command_Notification(wparam) == NOTIFY_LIST_SELECTION_CHANGE) On_Place_List(dialog);
            return 1;
        case ID_OK:
            Take_Browsed_Folder(dialog);
            return 1;
        case ID_CANCEL:
            End_Dialog(dialog, ID_CANCEL);
            return 1;
        default:
            return 0;
        }
    default:
        return 0;
    }
}
