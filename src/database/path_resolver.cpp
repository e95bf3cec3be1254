#include "database/path_resolver.h"

#include <algorithm>

std::string Resolve_File_Path(const char* name)
{
    std::string path = name ? name : "";
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

FILE* Open_Resolved_File(const char* name, const char* mode) { return fopen(Resolve_File_Path(name).c_str(), mode); }
