#pragma once
// Helpers of the playbook tests: an empty league with a few franchises in use
// and the diagnostics log read back.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "database/universe.h"

inline void Reset_Test_League(int active_teams) {
    std::memset(&Universe, 0, sizeof(Universe));
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[2] = team < active_teams ? 0 : -1;
}

inline std::string Read_Debug_Log_Text() {
    std::ifstream file("debug.txt");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void Clear_Debug_Log() {
    std::remove("debug.txt");
}
