#pragma once
// Painting the main window's view: the current view's painter runs into the
// back buffer only when the picture is stale, and the window copies the back
// buffer.
#include <cstdint>

#include "platform/drawing_surface.h"

// The view whose picture the back buffer holds; -1 forces the painter to run,
// 0 means the start-up picture was painted because no league was loaded.
extern int32_t Last_Painted_View;

// True when the current view is one of the nine full-window views.
bool Is_News_View();
bool Is_News_View_Id(int32_t view);
// Paints into the main window's client picture: the painter when stale, then
// the paint rectangle copied from the back buffer.
void Paint_Main_Window_View(DEVICE_CONTEXT* dc, const RECT_AREA& paint_rect);
// The start-up picture, wide or normal by the client's shape.
void Paint_Startup_View(DEVICE_CONTEXT* dc);
