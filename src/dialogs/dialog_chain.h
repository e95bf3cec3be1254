#pragma once
// A dialog that hands over to another one (the depth-chart pages switching
// into each other, Edit Player opening again for a copy) ends first and is
// hidden, and the next one opens in its place. However often the user
// switches, the dialogs do not nest deeper than two: the first dialog of a
// chain opens each next one in turn once the one before has ended.
#include <cstdint>

#include "platform/handles.h"

// Ends `dialog` with `result` and opens dialog `next_id` over `owner`
// (NO_WINDOW: the main window) through Refresh_Bars_And_Do_Dialog. The first
// dialog of the chain returns the last result of the chain to its own caller.
void Chain_To_Dialog(WINDOW_HANDLE dialog, WINDOW_HANDLE owner, int32_t next_id, intptr_t result);
