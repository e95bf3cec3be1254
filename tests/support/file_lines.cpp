#include "support/file_lines.h"

#include <cstdio>
#include <fstream>
#include <sstream>

std::vector<std::string> Read_File_Lines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

std::string Read_File_Text(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

long long Bytes_Read_So_Far() {
    std::FILE* io = std::fopen("/proc/self/io", "r");
    if (io == nullptr) return -1;
    long long bytes = -1;
    if (std::fscanf(io, "rchar: %lld", &bytes) != 1) bytes = -1;
    std::fclose(io);
    return bytes;
}
