#include "platform/file_search.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>

std::vector<std::string> Find_Files(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
    if (error) return names;
    for (const auto& entry : it) {
        if (!entry.is_regular_file(error)) continue;
        const std::string name = entry.path().filename().string();
        if (fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool Copy_File_Without_Overwrite(const std::string& from, const std::string& to) {
    std::error_code error;
    if (std::filesystem::exists(to, error)) return false;
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, error) && !error;
}
