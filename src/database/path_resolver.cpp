#include "database/path_resolver.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>
#include <vector>

namespace {
bool Path_Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// The entry of `folder` whose name equals `component` ignoring case; when
// several do, the first in byte order, so the choice never depends on the
// order the file system lists them. Empty when there is none.
std::string Find_Entry_Ignoring_Case(const std::string& folder, const std::string& component) {
    std::string found;
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr) return found;
    while (const dirent* entry = readdir(directory)) {
        if (strcasecmp(entry->d_name, component.c_str()) != 0) continue;
        if (found.empty() || strcmp(entry->d_name, found.c_str()) < 0) found = entry->d_name;
    }
    closedir(directory);
    return found;
}

std::vector<std::string> Split_Components(const std::string& path) {
    std::vector<std::string> components;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) components.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return components;
}
} // namespace

std::string Resolve_File_Path(const char* name) {
    if (name == nullptr || name[0] == '\0') return "";
    std::string given = name;
    for (char& c : given)
        if (c == '\\') c = '/';
    bool absolute = given[0] == '/';
    bool trailing_separator = given.back() == '/';

    // Each existing component is taken as spelled when it exists exactly (one
    // stat, the usual case) and is looked up in its folder otherwise. From the
    // first missing component on, the rest keeps the given spelling.
    std::string resolved = absolute ? "/" : "";
    bool missing = false;
    bool first = true;
    for (const std::string& component : Split_Components(given)) {
        std::string folder = resolved;
        if (!first && folder != "/") resolved += '/';
        first = false;
        if (missing || component == "." || component == ".." || Path_Exists(resolved + component)) {
            resolved += component;
            continue;
        }
        std::string match = Find_Entry_Ignoring_Case(folder, component);
        if (match.empty()) {
            missing = true;
            resolved += component;
        } else {
            resolved += match;
        }
    }
    if (trailing_separator && !resolved.empty() && resolved.back() != '/') resolved += '/';
    return resolved;
}

FILE* Open_Resolved_File(const char* name, const char* mode) {
    if (name == nullptr || mode == nullptr) return nullptr;
    return fopen(Resolve_File_Path(name).c_str(), mode);
}

int Is_Plain_File_Name(const char* name) {
    if (name == nullptr || name[0] == '\0') return 0;
    return strpbrk(name, "/\\") == nullptr && strstr(name, "..") == nullptr ? 1 : 0;
}
