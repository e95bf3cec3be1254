#include "platform/file_search.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fnmatch.h>
#include <string>
#include <unistd.h>

#include "platform/text_encoding.h"

std::vector<std::string> Find_Files(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
    if (error) return names;
    for (const auto& entry : it) {
        if (!entry.is_regular_file(error)) continue;
        const std::string name = Text_From_File_Name(entry.path().filename().string());
        if (fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    // A name spelled both in UTF-8 and in the bytes of an older game is one
    // name of the game's text, and the path resolver opens the UTF-8 file.
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

// The copy is written to a temporary file beside the target and linked into
// place only when whole, so a failed copy never leaves a partial target that
// would block the next one; linking fails when the target exists.
bool Copy_File_Without_Overwrite(const std::string& from, const std::string& to) {
    std::error_code error;
    if (std::filesystem::exists(to, error) || !std::filesystem::is_regular_file(from, error)) return false;
    const std::string temporary = to + ".copy-" + std::to_string(getpid());
    std::filesystem::remove(temporary, error);
    const bool copied =
        std::filesystem::copy_file(from, temporary, std::filesystem::copy_options::none, error) && !error;
    bool placed = copied && link(temporary.c_str(), to.c_str()) == 0;
    // Folders that hold no links take the copy by its name when it is still free.
    if (copied && !placed && errno != EEXIST && !std::filesystem::exists(to, error))
        placed = rename(temporary.c_str(), to.c_str()) == 0;
    std::filesystem::remove(temporary, error);
    return placed;
}
