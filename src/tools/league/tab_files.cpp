#include "tools/league/tab_files.h"

#include <fstream>

bool Write_Tab_File(const std::string& path, const std::string& text, std::string* error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

bool Read_Tab_File(const std::string& path, const char* what,
                   const std::function<bool(std::istringstream& fields)>& read_line, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot read " + path;
        return false;
    }
    std::string line;
    for (int32_t number = 1; std::getline(in, line); ++number) {
        std::istringstream fields(line);
        if (!read_line(fields)) {
            *error = path + ", line " + std::to_string(number) + ": not " + what;
            return false;
        }
    }
    return true;
}
