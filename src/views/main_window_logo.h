#pragma once
// The user team's logo in the main window's bottom-right corner, above the bars.
#include "platform/drawing_surface.h"

// Where the logo was last drawn (window pixels).
extern RECT_AREA Team_Logo_Rect;
// Copies Team_Logo_Rect into `rect`.
void Get_Team_Logo_Rect(RECT_AREA* rect);

void Draw_Main_Window_Team_Logo(DEVICE_CONTEXT* dc);
