#pragma once
// Playbook files: the raw image of one team playbook block, "playbooks/<name>.opb"
// (offence, 19,680 bytes) or "playbooks/<name>.dpb" (defence, 9,516 bytes).
#include <cstdint>

#include "database/team_playbook_block.h"
#include "platform/handles.h"

// Settings of the playbook editor, saved with the game: the side (0 offence,
// 1 defence) every playbook file operation handles, and the folder and slot
// of the play shown.
constexpr int32_t PLAYBOOK_EDITOR_SIDE = 170;
constexpr int32_t PLAYBOOK_EDITOR_FOLDER = 171;
constexpr int32_t PLAYBOOK_EDITOR_SLOT = 172;

// Receive files loaded for a team number that names no league team (255 among
// them); the playbook analyzer reads them.
extern OFFENSIVE_PLAYBOOK Scratch_Offensive_Playbook;
extern DEFENSIVE_PLAYBOOK Scratch_Defensive_Playbook;

// Loads "playbooks/<name>.dpb" (bDefense non-zero) or ".opb" whole into the
// team's block: teams 36-40, or a franchise slot in use; any other team number
// loads into the scratch block of that side. The file is read and checked in
// a scratch copy first, so a missing, short or unreadable file changes
// nothing; codes that would index a table out of range are repaired. A block
// without one named play whose codes are all in range is no playbook: it is
// reported and refused. At most one block is read from any file. Returns 1
// when the block was loaded, 0 otherwise.
int Load_Playbook_File(int team, int bDefense, const char* name);

// Writes the playbook block of `team` for the side to `path`: into a
// temporary file beside it that takes the name once it is whole, so a failed
// write leaves an old file of that name as it was. Returns 0 when written, 1
// when the file cannot be opened, 2 when writing fails (nothing is left).
int Write_Team_Playbook_File(const char* path, int team, int bDefense);

// Writes the viewed team's block of the playbook editor's current side (the
// dialogs make the viewed team valid first; a team number outside the team
// records is refused with 1); a given dialog is ended with 1 once the file is
// open, so a name that cannot be opened leaves it open.
int Write_Playbook_File(const char* path, WINDOW_HANDLE dialog = NO_WINDOW);

// The playbook name field (PLAYBOOK_NAME_LENGTH bytes) of the viewed team's
// block of the current side; null when the viewed team names no team record.
char* Get_Playbook_Name_Field();
// Stores `name`, cut to 37 characters, as the playbook name of the viewed
// team's block of the current side.
void Set_Playbook_Name(const char* name);

// How many of the formation's eleven slots the position fills.
int32_t Count_Formation_Slots_At_Position(int32_t formation, int32_t position);
// Formation numbers the analyzer counts: below 48, read unsigned.
bool Is_Analyzer_Formation(uint32_t formation);
// True when the player's career value of statistic 0 is not zero.
bool Has_Career_Stat_Zero_Value(int32_t team, int32_t slot);
