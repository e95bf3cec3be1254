#pragma once
// Which view the main window shows.
#include <cstdint>

// Switches the main window to a view (a view command id; 0 = the start-up view).
void Set_Current_View(int32_t view);
