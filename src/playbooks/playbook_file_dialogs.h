#pragma once
// The Load Playbook dialog (196), with its analyzer of the chosen file, and
// the Save Playbook dialog (195). Both handle the side the Playbook Editor
// shows (setting 170) and the viewed team's playbook.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t SAVE_PLAYBOOK_DIALOG = 195;
constexpr int32_t LOAD_PLAYBOOK_DIALOG = 196;

// Controls.
constexpr int32_t PLAYBOOK_FILE_LIST = 1444;
constexpr int32_t PLAYBOOK_DELETE_BUTTON = 3;
constexpr int32_t PLAYBOOK_HELP_BUTTON = 9;
constexpr int32_t PLAYBOOK_GROUP_LABEL = 1438;
constexpr int32_t PLAYBOOK_NAME_EDIT = 1082;
constexpr int32_t ANALYZER_NOTES = 1465;
constexpr int32_t ANALYZER_FORMATIONS = 1466;
constexpr int32_t ANALYZER_FIRST_POSITION = 1471;
constexpr int32_t ANALYZER_POSITION_COLUMNS = 5;
constexpr int32_t ANALYZER_PLAYS = 1476;
// Most characters the Save dialog takes from its edit.
constexpr int32_t PLAYBOOK_NAME_EDIT_LIMIT = 2047;
// Formations the analyzer lists.
constexpr int32_t ANALYZER_ROUNDS = 12;

extern const DIALOG_TEMPLATE LOAD_PLAYBOOK_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE SAVE_PLAYBOOK_DIALOG_TEMPLATE;

// Ends with 1 after a playbook was loaded, 2 when cancelled (also when the
// folder holds no playbook of the side).
intptr_t Load_Playbook_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Ends with 1 when saving was tried (a failure is told), 0 when cancelled.
// Only a plain file name is taken; another is refused as a file that cannot
// be opened, and the dialog stays.
intptr_t Save_Playbook_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// The Load dialog's steps.
// Lists "playbooks/*.opb" or "*.dpb" without extensions, the first selected;
// with none the user is told and the dialog ends as cancelled (false).
bool Fill_Playbook_File_List(WINDOW_HANDLE dialog);
// Loads the selected file into the team; false (told) when none is selected
// or the file cannot be loaded.
bool Load_Selected_Playbook(WINDOW_HANDLE dialog, int32_t team);
void Clear_Playbook_Analyzer(WINDOW_HANDLE dialog);
void Analyze_Playbook_File(WINDOW_HANDLE dialog);

// The analyzer's texts of the playbook in the scratch block of a side: the
// plays and formation columns and the five position columns.
struct PLAYBOOK_ANALYSIS {
    char Plays[256];
    char Formations[1024];
    char Positions[ANALYZER_POSITION_COLUMNS][256];
};
void Analyze_Scratch_Playbook(int32_t side, PLAYBOOK_ANALYSIS* analysis);
