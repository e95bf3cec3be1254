#pragma once
// The page of a team dialog that the depth-chart screens share: its caption
// names the page, and the page is filled for the viewed team.
#include "platform/handles.h"

// Sets the dialog's caption to `caption` and fills `list` (when there is one)
// for the page the caption names. Pages without a list take the caption only.
void Refresh_Depth_Chart_Page(WINDOW_HANDLE dialog, WINDOW_HANDLE list, const char* caption);
