#pragma once
// The formation catalogue: where the eleven players of a side line up and which
// roster position and depth fills each on-field slot.
#include <cstdint>

// Formation numbers: 0-21 offensive scrimmage formations, 22-38 defensive
// formations, 39-47 special teams.
constexpr int32_t NUMBER_OF_FORMATIONS = 48;
constexpr int32_t PLAYERS_ON_FIELD = 11;
constexpr int32_t FIRST_DEFENSIVE_FORMATION = 22;
constexpr int32_t FIRST_SPECIAL_TEAMS_FORMATION = 39;

constexpr int32_t FORMATION_GOAL_LINE_DEFENSE = 38;
constexpr int32_t FORMATION_KICKOFF = 39;
constexpr int32_t FORMATION_ONSIDE_KICKOFF = 40;
constexpr int32_t FORMATION_PUNT = 41;
constexpr int32_t FORMATION_FIELD_GOAL = 42;
constexpr int32_t FORMATION_CONVERSION_KICK = 43;
constexpr int32_t FORMATION_KICK_RETURN = 44;
constexpr int32_t FORMATION_KICK_RETURN_WIDE = 45;
constexpr int32_t FORMATION_PUNT_RETURN = 46;
constexpr int32_t FORMATION_KICK_BLOCK = 47;

// Slot position code of a returner: depth 0 is the kick returner, 1 the punt returner.
constexpr int32_t FORMATION_RETURNER_POSITION = 15;

// Which value Get_Formation_Slot_Position gives.
constexpr int32_t FORMATION_SLOT_POSITION = 0;
constexpr int32_t FORMATION_SLOT_DEPTH = 1;

struct FORMATION_SLOT {
    int8_t Position; // PLAYER_POSITION 0-14, or FORMATION_RETURNER_POSITION
    int8_t Depth;    // 0 = the first healthy player at the position
};

// Yards relative to the ball: x across the field, y along it (negative behind
// the line of scrimmage).
struct FORMATION_POINT {
    double X;
    double Y;
};

// The catalogue as data (formation_tables.cpp).
extern const char* const Formation_Names[NUMBER_OF_FORMATIONS];
extern const char* const Formation_Short_Names[NUMBER_OF_FORMATIONS];
extern const FORMATION_SLOT Formation_Slot_Table[NUMBER_OF_FORMATIONS][PLAYERS_ON_FIELD];
extern const FORMATION_POINT Formation_Coordinate_Table[NUMBER_OF_FORMATIONS][PLAYERS_ON_FIELD];

inline bool Is_Valid_Formation(int32_t formation) {
    return formation >= 0 && formation < NUMBER_OF_FORMATIONS;
}

// Copies the long name of formation clamp(n, 0, 47) into buffer (special teams
// formations have no name). Returns the number of characters copied.
int Get_Formation_Name(char* buffer, int buffer_size, int32_t formation);
// The short name used on play cards.
int Get_Formation_Short_Name(char* buffer, int buffer_size, int32_t formation);

// which 0: the PLAYER_POSITION of the slot (15 = returner); which 1: its 0-based
// depth. A formation, slot or selector out of range is reported and gives -1.
int32_t Get_Formation_Slot_Position(int32_t formation, int32_t slot, int32_t which);

// Field coordinate of an on-field slot; a formation or slot out of range is
// reported and gives (0, 0).
void Get_Formation_Coordinate(int32_t formation, int32_t slot, double* x, double* y);

// Formations whose snap is a long snap (shotgun, pistol, wildcat and the kicks).
bool Is_Shotgun_Snap_Formation(int32_t formation);

// Starters a team puts on the field at a position in its base formations; the
// 3-4 defence trades a tackle for a linebacker.
int32_t Get_Base_Starter_Count(int32_t position, bool three_four_defense);

// Tests of a DEFENSIVE_RESPONSIBILITY code.
inline bool Is_Rush_Responsibility(int32_t role) {
    return role >= 0 && role <= 3;
}
inline bool Is_Line_Play_Responsibility(int32_t role) {
    return role >= 4 && role <= 7;
}
inline bool Is_Coverage_Responsibility(int32_t role) {
    return role >= 8 && role <= 18;
}
inline bool Is_Man_Coverage_Responsibility(int32_t role) {
    return role >= 12 && role <= 18;
}
