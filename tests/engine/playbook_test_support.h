#pragma once
// Helpers of the playbook tests: an empty league with a few franchises in use
// and the diagnostics log read back.
#include <cstring>
#include <string>

#include "database/universe.h"
#include "support/debug_log.h"

inline void Reset_Test_League(int active_teams) {
    std::memset(&Universe, 0, sizeof(Universe));
    for (int team = 0; team < MAX_FRANCHISES; ++team)
        Universe.Teams[team].Team_Stats[2] = team < active_teams ? 0 : -1;
}
