#pragma once
// The Scouting Report dialog (127), whose procedure also drives the windows
// of the "ReportWindow" class.
#include <cstdint>

#include "platform/handles.h"

constexpr int32_t SCOUTING_REPORT_DIALOG = 127;

intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Opens the report of the player at (team, slot) over `parent`: he becomes
// the selected player (settings 29 and 30) and dialog 127 opens. Returns the
// dialog's result.
int32_t Show_Scouting_Report(WINDOW_HANDLE parent, int32_t team, int32_t slot);
