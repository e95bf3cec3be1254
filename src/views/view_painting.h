#pragma once
// Painting the main window's view: the current view's painter runs into the
// back buffer only when the picture is stale, and the window copies the back
// buffer.
#include <cstdint>

#include "platform/drawing_surface.h"

// Paints into the main window's client picture: the painter when stale, then
// the paint rectangle copied from the back buffer.
void Paint_Main_Window_View(DEVICE_CONTEXT* dc, const RECT_AREA& paint_rect);
// The start-up picture, wide or normal by the client's shape.
void Paint_Startup_View(DEVICE_CONTEXT* dc);
