#pragma once
// How well a player fits a position of the depth chart, and which positions a
// unit starts by the team's system.
#include <cstdint>

// The empty slot's fitness: below every player's.
constexpr int32_t NO_FITNESS = -2147483647;

// Ten times the percent of a player of his own position at `position` (0
// across units); 85 % of that for a return or special-teams specialist or a
// long snapper.
int32_t Get_Position_Fitness(int32_t team, int32_t slot, int32_t position);
// The player's fitness at a position: the worth of his rating, 5000 more at
// his own position; a tenth when he is out for the season (unless
// keep_injured is set). NO_FITNESS for an empty slot.
int32_t Get_Player_Fitness_At_Position(int32_t team, int32_t slot, int32_t position, int32_t keep_injured);
// The same read once for every position: what a player's fitness anywhere is
// worked out from, and his fitness at a position from that.
struct PLAYER_FITNESS {
    bool Used;
    bool Out_For_Season;
    int32_t Own_Position;
    int32_t Expanded_Position;
    int32_t Worth;
    int32_t Worth_Root;
};
PLAYER_FITNESS Read_Player_Fitness(int32_t team, int32_t slot, int32_t keep_injured);
int32_t Get_Fitness_At_Position(const PLAYER_FITNESS& player, int32_t position);
// Position of starter k of a unit (0 offence, 1 defence, 2 special teams) in
// the team's system; -1 past the unit's starters.
int32_t Get_Starter_Slot_Position(int32_t team, int32_t unit, int32_t k);
// Slot of the team's best tight end by position rating, NO_PLAYER when none.
int32_t Find_Best_Tight_End(int32_t team);
