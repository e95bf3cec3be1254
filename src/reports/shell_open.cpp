#include "reports/shell_open.h"

#include <cstring>
#include <string>

#include "database/path_resolver.h"
#include "platform/desktop.h"

namespace {
bool Is_Address(const char* target) {
    return std::strstr(target, "://") != nullptr || std::strncmp(target, "mailto:", 7) == 0;
}
} // namespace

bool Shell_Open(WINDOW_HANDLE window, const char* target) {
    return Shell_Open_In_Folder(window, target, nullptr);
}

bool Shell_Open_In_Folder(WINDOW_HANDLE, const char* target, const char* folder) {
    if (target == nullptr || target[0] == '\0') return false;
    const std::string resolved = Is_Address(target) ? std::string(target) : Resolve_File_Path(target);
    const std::string resolved_folder = folder != nullptr ? Resolve_File_Path(folder) : std::string();
    return Shell_Open_Target(resolved.c_str(), folder != nullptr ? resolved_folder.c_str() : nullptr) > 32;
}
