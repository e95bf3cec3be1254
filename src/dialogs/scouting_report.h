#pragma once
// The Scouting Report dialog (127), whose procedure also drives the windows
// of the "ReportWindow" class.
#include <cstdint>

#include "platform/handles.h"

intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
