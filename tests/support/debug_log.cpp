#include "support/debug_log.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "database/team_record.h"

void Clear_Debug_Log() {
    std::remove("debug.txt");
    // A season outside the history is logged once a log.
    Forget_Logged_History_Seasons();
}

std::vector<std::string> Read_Debug_Log() {
    std::vector<std::string> lines;
    std::ifstream file("debug.txt");
    std::string line;
    while (std::getline(file, line)) {
        size_t space = line.find(' ');
        lines.push_back(space == std::string::npos ? line : line.substr(space + 1));
    }
    return lines;
}

std::string Read_Debug_Log_Text() {
    std::ifstream file("debug.txt");
    return std::string(std::istreambuf_iterator<char>(file), {});
}

int Count_Debug_Lines(const std::string& text) {
    int count = 0;
    for (const std::string& line : Read_Debug_Log())
        if (line.find(text) != std::string::npos) ++count;
    return count;
}

int Count_Error_Lines() {
    int count = 0;
    for (const std::string& line : Read_Debug_Log())
        if (line.rfind("ERROR: ", 0) == 0) ++count;
    return count;
}

int Count_All_Debug_Lines() {
    return static_cast<int>(Read_Debug_Log().size());
}
