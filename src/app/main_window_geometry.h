#pragma once
// Where the main window is: its outer rectangle and its client rectangle, as
// the frame last reported them. Drawing sizes its back buffer, its fonts and
// its design scaling from these. Before the frame reports anything the
// window is taken as a client area of 1,024 x 676 with no border.
#include <cstdint>

#include "platform/drawing_surface.h"

// Height of the status bar and of the news ticker above it.
constexpr int32_t STATUS_BAR_HEIGHT = 36;
constexpr int32_t NEWS_TICKER_HEIGHT = 24;

void Set_Main_Window_Geometry(const RECT_AREA& outer, const RECT_AREA& client);
void Get_Main_Window_Outer_Rect(RECT_AREA* rect);
// Client coordinates: left and top are 0.
void Get_Main_Window_Client_Rect(RECT_AREA* rect);
// Height the bars take from the client area while the current view is a
// full-window view: 36 for the status bar and 24 more for the news ticker,
// each while it is there; otherwise 0.
int32_t Get_View_Bars_Height();
