#include "support/file_lines.h"

#include <fstream>

std::vector<std::string> Read_File_Lines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}
