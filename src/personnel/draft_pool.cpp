#include "personnel/draft_pool.h"

#include <vector>

#include "app/diagnostics.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/season_lines.h"
#include "database/universe.h"
#include "personnel/player_generation.h"

namespace {
constexpr int DRAFT_CLASS_ROUNDS = 7;
constexpr int DRAFT_CLASS_QUALITY = 70;
constexpr int NO_DRAFT_ORDER_TEAM = -1;
// Calendar years a birth date of a new prospect can be written for.
constexpr int FIRST_DRAFT_YEAR = 1900;
constexpr int LAST_DRAFT_YEAR = 2999;
constexpr int POOL_SLOTS = (TOTAL_NUMBER_OF_TEAMS - FIRST_COLLEGE_POOL_TEAM) * PLAYERS_PER_TEAM;

// Positions in the proportions of a full roster, so every round finds every position.
std::vector<int32_t> Draft_Class_Positions() {
    std::vector<int32_t> positions;
    for (int32_t position = 0; position < NUMBER_OF_POSITIONS; ++position)
        for (int32_t n = 0; n < Get_Position_Quota(position); ++n)
            positions.push_back(position);
    return positions;
}
} // namespace

// A class of seven rounds' worth of average prospects, in roster-quota
// position order; the draft board grades and sorts them when it shows them.
void Create_College_Draft_Pool() {
    const int32_t year = Get_Current_Year();
    if (year < FIRST_DRAFT_YEAR || year > LAST_DRAFT_YEAR) {
        Log_Debug_Line("Create_College_Draft_Pool: no draft class for the year %d", year);
        return;
    }
    for (int32_t team = FIRST_COLLEGE_POOL_TEAM; team < TOTAL_NUMBER_OF_TEAMS; ++team)
        for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
            if (Is_Player_Slot_Used(team, slot)) Delete_All_Player_Season_Lines(team, slot);
            Clear_Player(team, slot);
        }
    const std::vector<int32_t> positions = Draft_Class_Positions();
    int32_t class_size = DRAFT_CLASS_ROUNDS * Count_Active_Teams();
    if (class_size > POOL_SLOTS) class_size = POOL_SLOTS;
    if (positions.empty()) return;
    for (int32_t n = 0; n < class_size; ++n) {
        const int32_t position = positions[static_cast<size_t>(n) % positions.size()];
        Create_Player_For_Team(FIRST_COLLEGE_POOL_TEAM + n / PLAYERS_PER_TEAM, n % PLAYERS_PER_TEAM, position,
                               DRAFT_CLASS_QUALITY);
    }
}

// A stored order that names every active team once is kept; any other is
// replaced by the active teams in slot order.
void Set_College_Draft_Order() {
    const int32_t active = Count_Active_Teams();
    bool seen[MAX_FRANCHISES] = {};
    bool valid = true;
    for (int32_t position = 0; position < active && valid; ++position) {
        const int32_t team = Universe.Draft_Order[position];
        valid = team >= 0 && team < active && !seen[team];
        if (valid) seen[team] = true;
    }
    if (valid) return;
    for (int32_t position = 0; position < MAX_FRANCHISES; ++position)
        Universe.Draft_Order[position] =
            static_cast<int8_t>(position < active ? position : NO_DRAFT_ORDER_TEAM);
}
