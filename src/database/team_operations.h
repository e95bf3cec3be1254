#pragma once
// Operations on whole team records: clearing the league, erasing a franchise,
// swapping and packing team slots with every reference to them, sorting the
// franchises by name, backups, and handing all teams to the human or computer.
#include <cstdint>

#include "database/team_record_layout.h"

void Erase_All_Team_Records();
void Erase_Team_Record(int32_t team);
void Zero_All_Team_Records();
void Set_Draft_Order_Entry(int32_t i, int32_t team);
// Loads the saved fantasy-draft state while the league's fantasy draft runs
// (its flag, universe stat 4, is at least 1).
void Load_Fantasy_Draft_State_If_Drafting();

// Removes a franchise; its players go to the Free Agent pool unless
// keep_players is set. Returns 1 when the team was erased, 0 otherwise. A
// fantasy draft running when the team goes is ended first, every player
// staying where he is, and the user is told.
int32_t Erase_Team(int32_t team, int32_t keep_players);
// Moves the player into the Free Agent pool, a full pool first cutting one of
// its players, and returns 1. When the cut may take nobody (a fantasy draft's
// pool of drafted players) he stays where he is and the result is 0, as for
// a player of the pool itself or a slot outside the league.
int32_t Release_Player_To_Free_Agents(int32_t team, int32_t slot);

// `buffer` holds a whole team record (sizeof(TEAM_RECORD) bytes).
void Backup_Team_Structure(TEAM_RECORD* buffer, int32_t team);
void Restore_Team_Structure(int32_t team, const TEAM_RECORD* buffer);

void Swap_Team_Slots(int32_t a, int32_t b);
void Compact_Team_Slots();
// Orders the active franchises by location, then nickname; the number of
// slot exchanges it made.
int32_t Sort_Teams_By_Name();
void Set_All_Teams_Control(int32_t value);
