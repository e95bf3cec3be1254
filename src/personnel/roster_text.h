#pragma once
// Players named by text: finding them by name, checking a roster file's names
// against the league, writing the plain roster listing, and carrying out a
// fantasy draft's result.
#include <cstdint>

#include "database/player_hashes.h"

// Team hint meaning "no team".
constexpr int32_t NO_TEAM_HINT = -128;
// Longest player name a lookup accepts.
constexpr int32_t MAX_PLAYER_NAME_LENGTH = 63;

// The best player of that full name, scored by his predicted worth, the
// position hint, the team hint and his age; (128, 255) when none. An empty or
// over-long name is refused.
void Find_Player_By_Name(PLAYER_LOCATION* out, const char* name, int32_t team_hint, int32_t position_hint);
void Find_Player_By_Name_Any_Team(PLAYER_LOCATION* out, const char* name, int32_t position_hint);
void Find_Player_By_Name_Bytes(uint8_t* team_out, uint8_t* slot_out, const char* name, int32_t team_hint,
                               int32_t position_hint);
// 1 and the player when exactly one player has the name (also with full stops
// left out, which are then removed from `name`); otherwise the name goes to
// "output\roster-doubles.txt" or "output\roster-unknowns.txt".
int32_t Log_Roster_Name_Problems(PLAYER_LOCATION* out, char* name);
// "output\rosters.txt": every team's full name and its players, then the free agents.
void Output_Rosters();
// Moves every player to the team that drafted him in a finished fantasy draft.
void Implement_Draft_Teams();
// Fantasy-draft marks: placed mark 0, or also no fantasy team.
void Clear_Fantasy_Draft_Picks();
void Reset_Fantasy_Draft_Marks();
// Turns "names\rawlast.txt" into "names\last.txt": the first word of each
// line, letters after the first in lower case.
void Convert_Raw_Last_Names();
