#pragma once
// The Defense depth chart (128): the viewed team's defensive starters in the
// rows of its scheme (4-3 or 3-4), its reserves behind them, and the scheme.
// The defensive players follow the offensive ones in the roster, so the
// starters are slots o to o + 10, o the team's number of offensive players.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t SCHEME_COMBO = 1439;

extern const DIALOG_TEMPLATE DEFENSE_DIALOG_TEMPLATE;

// Ends with 1; DONE, "&Offense" and "&Special Teams" first warn of a
// misplaced starter of a human team, and the last two open their page.
intptr_t Defense_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// List 0: the starters, slots o to o + 10; list 1: the reserves from o + 11.
void Fill_Defense_Depth_List(WINDOW_HANDLE dialog, int32_t which);
void Fill_Defense_Depth_Lists(WINDOW_HANDLE dialog);
void Show_Defensive_Lineup_Labels(WINDOW_HANDLE dialog);
// "4-3" and "3-4", the team's scheme (team stat 4) selected.
void Fill_Defensive_Scheme_Combo(WINDOW_HANDLE dialog);
void Update_Defense_Buttons(WINDOW_HANDLE dialog);
// The short label of starter row `row` (0-10) of scheme `scheme`; schemes
// beyond the two take the nearest.
const char* Get_Defensive_Lineup_Label(int32_t scheme, int32_t row);
// True when a defensive starter's position differs from his row's.
bool Has_Misplaced_Defensive_Starter(int32_t team);
