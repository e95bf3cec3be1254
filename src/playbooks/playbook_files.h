#pragma once
// Playbook files: the raw image of one team playbook block, "playbooks/<name>.opb"
// (offence, 19,680 bytes) or "playbooks/<name>.dpb" (defence, 9,516 bytes).
#include "database/team_playbook_block.h"

// Receive files loaded for a team number that names no league team (255 among
// them); the playbook analyzer reads them.
extern OFFENSIVE_PLAYBOOK Scratch_Offensive_Playbook;
extern DEFENSIVE_PLAYBOOK Scratch_Defensive_Playbook;

// Loads "playbooks/<name>.dpb" (bDefense non-zero) or ".opb" whole into the
// team's block: teams 36-40, or a franchise slot in use; any other team number
// loads into the scratch block of that side. The file is read and checked in
// a scratch copy first, so a missing, short or unreadable file changes
// nothing; codes that would index a table out of range are repaired. Returns 1
// when the block was loaded, 0 otherwise.
int Load_Playbook_File(int team, int bDefense, const char* name);

// Writes the playbook block of `team` for the side to `path`. Returns 0 when
// written, 1 when the file cannot be opened, 2 on a short write (the partial
// file is removed).
int Write_Team_Playbook_File(const char* path, int team, int bDefense);

// Writes the viewed team's block of the playbook editor's current side.
int Write_Playbook_File(const char* path);

// Stores `name`, cut to 37 characters, as the playbook name of the viewed
// team's block of the current side.
void Set_Playbook_Name(const char* name);
