#include "frontoffice/depth_charts.h"

#include <algorithm>
#include <vector>

#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/team_record_layout.h"

namespace {
constexpr int32_t NUMBER_OF_UNITS = 3;

struct SECTION_PLAYER {
    int32_t Id;
    int32_t Position;
    float Value;
};

// Where the player with `id` stands now (swaps move players between slots).
int32_t Find_Slot_Of(int32_t team, int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Get_Player_Vital_Stat(team, slot, 0) == id) return slot;
    return NO_PLAYER;
}
} // namespace

void Sort_Roster_Section(int32_t team, int32_t unit) {
    if (!Is_Valid_Team_Code(team) || unit < 0 || unit >= NUMBER_OF_UNITS) return;
    std::vector<int32_t> slots;
    std::vector<SECTION_PLAYER> players;
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        if (!Is_Player_Slot_Used(team, slot) || Get_Player_Unit(team, slot) != unit) continue;
        slots.push_back(slot);
        players.push_back({Get_Player_Vital_Stat(team, slot, 0), Get_Player_Vital_Stat(team, slot, 1),
                           Evaluate_Player_At_Own_Position(team, slot)});
    }
    std::stable_sort(players.begin(), players.end(), [](const SECTION_PLAYER& a, const SECTION_PLAYER& b) {
        if (a.Position != b.Position) return a.Position < b.Position;
        return a.Value > b.Value;
    });
    // Swapping keeps every reference to a player (returners) with him.
    for (size_t i = 0; i < slots.size(); ++i) {
        int32_t from = Find_Slot_Of(team, players[i].Id);
        if (from != NO_PLAYER && from != slots[i]) Swap_Players(team, slots[i], team, from);
    }
}

void Auto_Set_Depth_Chart(int32_t team, int32_t unit, int32_t) {
    Sort_Roster_Section(team, unit);
}

void Auto_Set_All_Depth_Charts() {
    for (int32_t team = 0; team < MAX_FRANCHISES; ++team) {
        if (!Is_Active_Team(team)) continue;
        for (int32_t unit = 0; unit < NUMBER_OF_UNITS; ++unit)
            Auto_Set_Depth_Chart(team, unit, 0);
    }
}
