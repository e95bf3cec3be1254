#pragma once
// The Scouting Report dialog (127), whose procedure also drives the windows
// of the "ReportWindow" class.
#include <cstdint>

#include "platform/handles.h"

intptr_t Scouting_Report_Dialog_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);

// Opens the Scouting Report (127) for a player, who becomes the selected
// player (settings 29 and 30). An empty slot is refused with a message.
void Show_Scouting_Report(int32_t team, int32_t slot);
