#pragma once
// Which view the main window shows.
#include <cstdint>

// Switches the main window to a view (a view command id; 0 = the start-up view).
void Set_Current_View(int32_t view);
// True while the current view is one of the nine full-window views
// (standings, leaders, finances, calendar, owner Hall of Fame, playoffs,
// draft board, champions, games), under which the status bars are shown.
bool Is_News_View();
