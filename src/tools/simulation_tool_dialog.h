#pragma once
// The Simulation Tool dialog (104): how many times to play the season, and
// the simulator's record and reports.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t SIMULATION_SEASONS_EDIT = 1297;
constexpr int32_t SIMULATION_RESET_BUTTON = 1263;
constexpr int32_t SIMULATION_TEXT_BUTTON = 1296;
constexpr int32_t SIMULATION_CSV_BUTTON = 1298;
constexpr int32_t SIMULATION_HELP_BUTTON = 9;

extern const DIALOG_TEMPLATE SIMULATION_TOOL_DIALOG_TEMPLATE;

// Ends with the number of seasons to simulate (1-1,000) after Simulate, or
// -1 after Done.
intptr_t Simulation_Tool_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
