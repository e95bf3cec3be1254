#pragma once
// Per-team formation depth charts: for each formation and on-field slot, the
// id of the player the team puts there (0 or less: nobody). They live in the
// team record right behind the offensive playbook.
#include <cstdint>
#include <cstring>

#include "database/universe.h"
#include "engine/formations.h"

// Team-record offset of the depth charts: int32 [48][11].
constexpr uint32_t FORMATION_DEPTH_CHART_OFFSET = 103340;

// The stored player id; 0 for a team, formation or slot out of range (reported).
int32_t Get_Formation_Depth_Chart_Entry(int32_t team, int32_t formation, int32_t slot);
// Stores a player id; out-of-range arguments are reported and nothing is stored.
void Set_Formation_Depth_Chart_Entry(int32_t team, int32_t formation, int32_t slot, int32_t player_id);
// Reads the 11 ids of a formation's row at once (zeros for a bad argument,
// which is reported).
void Get_Formation_Depth_Chart_Row(int32_t team, int32_t formation, int32_t* player_ids);
// True when any formation's row holds the id (above 0).
bool Is_Id_In_Formation_Depth_Charts(int32_t team, int32_t player_id);
// The bytes of a formation's row inside the team record (team and formation
// valid); the record is packed, so entries are copied rather than
// dereferenced.
inline uint8_t* Formation_Depth_Chart_Row_Bytes(int32_t team, int32_t formation) {
    return reinterpret_cast<uint8_t*>(&Universe.Teams[team]) + FORMATION_DEPTH_CHART_OFFSET +
           sizeof(int32_t) * PLAYERS_ON_FIELD * formation;
}
// True when the formation's row holds exactly these 11 ids (false for a bad
// argument, which is not reported). Asked on every snap, so made inline.
inline bool Is_Formation_Depth_Chart_Row(int32_t team, int32_t formation, const int32_t* player_ids) {
    if (team < 0 || team >= TOTAL_NUMBER_OF_TEAMS || !Is_Valid_Formation(formation)) return false;
    return std::memcmp(Formation_Depth_Chart_Row_Bytes(team, formation), player_ids,
                       sizeof(int32_t) * PLAYERS_ON_FIELD) == 0;
}
// Stores the 11 ids of a formation's row at once.
void Set_Formation_Depth_Chart_Row(int32_t team, int32_t formation, const int32_t* player_ids);
// True when the entry names a player (id above 0).
bool Is_Formation_Depth_Chart_Entry_Set(int32_t team, int32_t formation, int32_t slot);
// The roster slot of the entry's player, found by his id; -1 when the entry
// names nobody or a player who is not on the team.
int32_t Get_Formation_Depth_Chart_Slot(int32_t team, int32_t formation, int32_t slot);
