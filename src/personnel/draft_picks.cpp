#include "personnel/draft_picks.h"

#include "database/league_structure.h"
#include "database/settings.h"
#include "database/universe.h"

namespace {
constexpr int32_t DRAFT_PICK_LOG_SIZE = 300;
// An entry is (year x 1000 + overall pick) x this + the team.
constexpr int32_t LOGGED_TEAM_FACTOR = 100;
} // namespace

void Reset_Draft_Pick_Ownership() {
    const int32_t active = Count_Active_Teams();
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            for (int32_t team = 0; team < active; ++team)
                Set_Draft_Pick_Owner(year, round, team, team);
}

void Reset_Team_Draft_Picks(int32_t team) {
    if (static_cast<uint32_t>(team) >= MAX_FRANCHISES) return;
    for (int32_t year = 0; year < DRAFT_YEARS; ++year)
        for (int32_t round = 0; round < DRAFT_ROUNDS; ++round)
            Set_Draft_Pick_Owner(year, round, team, team);
}

int32_t Get_Draft_Pick_On_The_Clock_Owner() {
    const int32_t round = Get_User_Preference(DRAFT_ROUND);
    const int32_t pick = Get_User_Preference(DRAFT_PICK);
    if (round < 0 || round >= DRAFT_ROUNDS || pick < 0 || pick >= MAX_FRANCHISES) return -1;
    const int32_t issuer = Universe.Draft_Order[pick];
    if (issuer < 0 || issuer >= MAX_FRANCHISES) return -1;
    // The table holds signed bytes; owners from 128 up mark forfeited picks.
    return static_cast<uint8_t>(Get_Draft_Pick_Owner(0, round, issuer));
}

void Log_Forfeited_Draft_Pick(int32_t year, int32_t overall, int32_t team) {
    for (int32_t& entry : Universe.Tail.Draft_Pick_Log) {
        if (entry != 0) continue;
        entry = (year * 1000 + overall) * LOGGED_TEAM_FACTOR + team;
        return;
    }
}

int32_t Get_Draft_Pick_Team(int32_t year, int32_t overall) {
    const int32_t key = year * 1000 + overall;
    for (int32_t n = 0; n < DRAFT_PICK_LOG_SIZE; ++n) {
        const int32_t entry = Universe.Tail.Draft_Pick_Log[n];
        if (entry == 0) break;
        if (entry / LOGGED_TEAM_FACTOR == key) return entry - key * LOGGED_TEAM_FACTOR;
    }
    return NO_TEAM;
}

void Move_Draft_Pick_Log_Teams(const int32_t* to) {
    for (int32_t& entry : Universe.Tail.Draft_Pick_Log) {
        if (entry <= 0) continue;
        const int32_t team = entry % LOGGED_TEAM_FACTOR;
        if (team < MAX_FRANCHISES) entry += to[team] - team;
    }
}
