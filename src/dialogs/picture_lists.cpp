#include "dialogs/picture_lists.h"

#include <string>
#include <strings.h>
#include <vector>

#include "database/path_resolver.h"
#include "platform/dialogs.h"
#include "platform/file_search.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/windows.h"

int32_t Fill_Picture_File_List(WINDOW_HANDLE dialog, int32_t list_id, const char* folder, const char* pattern,
                               const char* none_text) {
    const std::vector<std::string> files = Find_Files(Resolve_File_Path(folder), pattern);
    if (files.empty()) Show_Formatted_Message("No art files", "%s", none_text);
    const WINDOW_HANDLE list = Get_Dialog_Item(dialog, list_id);
    if (list == NO_WINDOW) return static_cast<int32_t>(files.size());
    List_Box_Reset_Content(list);
    for (const std::string& file : files)
        List_Box_Add_String(list, file.c_str());
    Enable_Window(list, !files.empty());
    return static_cast<int32_t>(files.size());
}

int32_t Select_Picture_File(WINDOW_HANDLE list, const char* name) {
    if (name == nullptr) return -1;
    for (int32_t line = 0; line < List_Box_Get_Count(list); ++line)
        if (strcasecmp(List_Box_Get_Text(list, line).c_str(), name) == 0) {
            List_Box_Set_Current_Selection(list, line);
            return line;
        }
    return -1;
}
