#pragma once
// The Advanced Tools dialog (175): the league-wide maintenance and data tools
// in one column of buttons, and the small operations of its own.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t ADVANCED_TOOLS_DIALOG = 175;

// Buttons of dialog 175.
constexpr int32_t TOOL_HELP = 9;
constexpr int32_t TOOL_SPECIAL = 10;
constexpr int32_t TOOL_BALANCE_PAYROLLS = 11;
constexpr int32_t TOOL_MODERN_DATABASE = 12;
constexpr int32_t TOOL_CLEAR_INJURIES = 13;
constexpr int32_t TOOL_RECALCULATE_CONTRACTS = 14;
constexpr int32_t TOOL_IMPORT_PLAYBOOKS = 15;
constexpr int32_t TOOL_LOAD_RATINGS = 16;
constexpr int32_t TOOL_SORT_TEAMS = 17;
constexpr int32_t TOOL_CLEAR_OUTPUT = 18;
constexpr int32_t TOOL_CLEAR_LEADERS = 19;
constexpr int32_t TOOL_HISTORICAL_DATABASE = 20;
constexpr int32_t TOOL_ENCYCLOPEDIA = 21;
constexpr int32_t TOOL_DRAFT_POOL = 22;
constexpr int32_t TOOL_EXPORT_RATINGS = 23;
constexpr int32_t TOOL_CALIBRATE_RATINGS = 24;

extern const DIALOG_TEMPLATE ADVANCED_TOOLS_DIALOG_TEMPLATE;

// Ends with 1. Closing tools end the dialog before they run, so their
// progress windows and messages belong to the main window.
intptr_t Advanced_Tools_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// Every player of the team slots in use (franchises 0-35 in use and slots
// 36-40) out with an injury is healed; his injury type stays. Returns how
// many were.
int32_t Clear_All_Injuries();
// Clear_All_Injuries, and the count told ("Clear Injuries").
void Clear_Injuries_Command();
// Deletes the regular files directly inside the output folder; folders and
// anything else stay. Nothing happens when there is no output folder.
void Clear_Output_Folder();
// Builds the 2022 database after offering to save the game: the built league
// has no saved-game name, and the reminder to start a new game follows only
// a saved build. Then every team's depth charts are set.
void Create_Modern_Database_Command(WINDOW_HANDLE owner);
// Asks which historical databases to build; 1 when a build was chosen (the
// dialog closes), 0 when the question was cancelled.
int32_t Create_Historical_Database_Command(WINDOW_HANDLE dialog);
