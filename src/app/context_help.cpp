#include "app/context_help.h"

#include <cstdio>
#include <filesystem>

#include "app/main_window.h"
#include "database/path_resolver.h"
#include "reports/shell_open.h"

void Open_Help_Topic(const char* topic) {
    char name[256];
    std::snprintf(name, sizeof name, "Help\\%s.htm", topic);
    // A page that is not installed is not handed to the desktop.
    std::error_code error;
    if (std::filesystem::exists(Resolve_File_Path(name), error)) Shell_Open(Main_Window, name);
}

void Open_Context_Help(int32_t) {
    Open_Help_Topic("contents");
}
