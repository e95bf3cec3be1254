// Storage of the per-team formation depth charts.
#include "engine/formation_depth_charts.h"

#include <cstddef>
#include <cstring>

#include "app/diagnostics.h"
#include "database/player_hashes.h"
#include "database/universe.h"
#include "engine/formations.h"

static_assert(FORMATION_DEPTH_CHART_OFFSET + sizeof(int32_t) * NUMBER_OF_FORMATIONS * PLAYERS_ON_FIELD <=
              sizeof(TEAM_RECORD));
// Storing a row never touches the players: the depth charts lie behind them.
static_assert(FORMATION_DEPTH_CHART_OFFSET >= offsetof(TEAM_RECORD, Players) + sizeof(TEAM_RECORD::Players));

namespace {
bool Is_Valid_Entry(int32_t team, int32_t formation, int32_t slot) {
    return team >= 0 && team < TOTAL_NUMBER_OF_TEAMS && Is_Valid_Formation(formation) && slot >= 0 &&
           slot < PLAYERS_ON_FIELD;
}

uint8_t* Entry_Bytes(int32_t team, int32_t formation, int32_t slot) {
    return Formation_Depth_Chart_Row_Bytes(team, formation) + sizeof(int32_t) * slot;
}
} // namespace

int32_t Get_Formation_Depth_Chart_Entry(int32_t team, int32_t formation, int32_t slot) {
    if (!Is_Valid_Entry(team, formation, slot)) {
        Report_System_Error("Invalid argument in Get_Formation_Depth_Chart_Entry(%d,%d,%d)", team, formation,
                            slot);
        return 0;
    }
    int32_t id = 0;
    std::memcpy(&id, Entry_Bytes(team, formation, slot), sizeof id);
    return id;
}

void Set_Formation_Depth_Chart_Entry(int32_t team, int32_t formation, int32_t slot, int32_t player_id) {
    if (!Is_Valid_Entry(team, formation, slot)) {
        Report_System_Error("Invalid argument in Set_Formation_Depth_Chart_Entry(%d,%d,%d,%d)", team,
                            formation, slot, player_id);
        return;
    }
    std::memcpy(Entry_Bytes(team, formation, slot), &player_id, sizeof player_id);
}

void Get_Formation_Depth_Chart_Row(int32_t team, int32_t formation, int32_t* player_ids) {
    if (!Is_Valid_Entry(team, formation, 0)) {
        Report_System_Error("Invalid argument in Get_Formation_Depth_Chart_Row(%d,%d)", team, formation);
        std::memset(player_ids, 0, sizeof(int32_t) * PLAYERS_ON_FIELD);
        return;
    }
    std::memcpy(player_ids, Entry_Bytes(team, formation, 0), sizeof(int32_t) * PLAYERS_ON_FIELD);
}

bool Is_Id_In_Formation_Depth_Charts(int32_t team, int32_t player_id) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS || player_id <= 0) return false;
    // The rows of every formation lie one after another: searched as one run,
    // counting the entries that hold the id (a loop the compiler can run
    // several entries at a time).
    const uint8_t* entries = Entry_Bytes(team, 0, 0);
    int32_t holding = 0;
    for (int32_t n = 0; n < NUMBER_OF_FORMATIONS * PLAYERS_ON_FIELD; ++n) {
        int32_t id = 0;
        std::memcpy(&id, entries + sizeof(int32_t) * n, sizeof id);
        holding += id == player_id ? 1 : 0;
    }
    return holding > 0;
}

void Set_Formation_Depth_Chart_Row(int32_t team, int32_t formation, const int32_t* player_ids) {
    if (!Is_Valid_Entry(team, formation, 0)) {
        Report_System_Error("Invalid argument in Set_Formation_Depth_Chart_Row(%d,%d)", team, formation);
        return;
    }
    std::memcpy(Entry_Bytes(team, formation, 0), player_ids, sizeof(int32_t) * PLAYERS_ON_FIELD);
}

bool Is_Formation_Depth_Chart_Entry_Set(int32_t team, int32_t formation, int32_t slot) {
    return Get_Formation_Depth_Chart_Entry(team, formation, slot) > 0;
}

int32_t Get_Formation_Depth_Chart_Slot(int32_t team, int32_t formation, int32_t slot) {
    const int32_t id = Get_Formation_Depth_Chart_Entry(team, formation, slot);
    if (id <= 0) return -1;
    int32_t found_team = -1;
    int32_t found_slot = -1;
    if (!Find_Player_By_ID(&found_team, &found_slot, id) || found_team != team) return -1;
    return found_slot >= 0 && found_slot < PLAYERS_PER_TEAM ? found_slot : -1;
}
