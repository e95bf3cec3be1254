#include "database/loaded_file.h"

#include <filesystem>

#include "app/diagnostics.h"
#include "database/path_resolver.h"
#include "database/saved_game.h"
#include "platform/file_search.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"

namespace {
constexpr int MOST_KEPT_NAMES = 100;

std::string converted_path;
int converted_version = 0;

bool Is_Same_File(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) return true;
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}
} // namespace

void Remember_Loaded_File(const char* file_name, int version) {
    converted_version = file_name != nullptr ? version : 0;
    converted_path = converted_version != 0 ? Resolve_File_Path(file_name) : std::string();
}

std::string Get_Kept_Original_Path(const std::string& path, int version) {
    const std::filesystem::path original(path);
    char shown[16];
    Format_Save_File_Version(version, shown, sizeof shown);
    const std::string stem = (original.parent_path() / original.stem()).string() + " (v" + shown + ")";
    const std::string extension = original.extension().string();
    std::error_code error;
    for (int n = 1; n <= MOST_KEPT_NAMES; ++n) {
        const std::string name = n == 1 ? stem + extension : stem + " " + std::to_string(n) + extension;
        if (!std::filesystem::exists(name, error)) return name;
    }
    return std::string();
}

int Keep_Converted_Original(const std::string& path) {
    if (converted_version == 0 || !Is_Same_File(path, converted_path)) return 1;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        Remember_Loaded_File(nullptr, 0);
        return 1;
    }
    const std::string kept = Get_Kept_Original_Path(path, converted_version);
    if (kept.empty() || !Copy_File_Without_Overwrite(path, kept)) {
        char shown[16];
        Format_Save_File_Version(converted_version, shown, sizeof shown);
        Show_Formatted_Message("Save Error",
                               "The game was converted from \"%s\" (version %s), and that file could not be "
                               "kept under another name, so it was not replaced.\n\n"
                               "Save the game under another name.",
                               Text_From_File_Name(path).c_str(), shown);
        return 0;
    }
    Log_Debug_Line("Kept the version %d original of \"%s\" as \"%s\"", converted_version, path.c_str(),
                   kept.c_str());
    Remember_Loaded_File(nullptr, 0);
    return 1;
}
