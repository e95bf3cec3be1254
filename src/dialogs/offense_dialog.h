#pragma once
// The Offense depth chart (119): the viewed team's offensive starters in the
// rows of its formation's lineup, its reserves behind them, the starting
// personnel (offensive system) and the run/pass balance.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t BALANCE_COMBO = 1445;
constexpr int32_t PERSONNEL_COMBO = 1458;
constexpr int32_t RUNNING_BACK_USAGE_COMBO = 1459;
// Tab stops of the offensive and defensive lists, in dialog units.
constexpr int32_t DEPTH_LIST_STOPS[4] = {112, 139, 166, 189};

extern const DIALOG_TEMPLATE OFFENSE_DIALOG_TEMPLATE;

// Ends with 1; DONE, "&Defense" and "&Special Teams" first warn of an
// unsuitable starter of a human team, and the last two open their page.
intptr_t Offense_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// List 0: the starters, slots 0-10; list 1: the reserves from slot 11.
void Fill_Offense_Depth_List(WINDOW_HANDLE dialog, int32_t which);
void Fill_Offense_Depth_Lists(WINDOW_HANDLE dialog);
void Update_Offense_Buttons(WINDOW_HANDLE dialog);
// The 21 balances, "+100% Rush" to "+100% Pass" ("Balanced" in the middle),
// the team's (team stat 10) selected.
void Fill_Run_Pass_Balance_Combo(WINDOW_HANDLE dialog);
// The row labels of the offensive system's lineup (static 1447).
void Show_Offensive_Lineup_Labels(WINDOW_HANDLE dialog);
// The four systems as starting personnel, the team's (team stat 5) selected.
void Fill_Starting_Personnel_Combo(WINDOW_HANDLE dialog);
// The short label of starter row `row` (0-10) in system `system`; systems
// beyond the table take its nearest end.
const char* Get_Offensive_Lineup_Label(int32_t system, int32_t row);
// The first starter row 0-10 whose player fits his row's position at less
// than 850 per mille; -1 when every starter fits (empty slots are skipped).
int32_t Find_Unsuitable_Offensive_Starter(int32_t team);

// How well the team's playbook suits its offensive system: the rounded mean
// match of its 54 plays and the 6 built-in ones, and how many match at 800
// or more.
int32_t Get_Playbook_System_Match(int32_t team);
int32_t Count_Playbook_System_Matches(int32_t team);
// The name of playbook system `index` (0-3): "Default", "Single Back",
// "Double Tight End", "West Coast Power Run"; empty for any other.
void Get_Playbook_System_Name(char* out, int32_t index);
