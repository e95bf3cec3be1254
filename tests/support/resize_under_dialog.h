#pragma once
// The main window changing size while a modal dialog is open over it: the
// scaled application fonts are made again at the new size, and the dialog's
// controls must go on drawing with the fonts they were given.
#include <cstdint>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

// Application font row `row` as it is now, without counting a use.
DRAWING_FONT* Peek_App_Font(int32_t row);
// The width of a sample text in each control's font (-1: the layer's
// default font), control by control.
std::vector<int32_t> Measure_Control_Fonts(WINDOW_HANDLE dialog);
// Gives the main window a new outer size, as dragging its frame would, then
// paints the dialog and every control of it afresh; returns the picture's
// width (kept as "<name>.png" under KORVA_PICTURE_DIR).
int32_t Resize_Main_Window_And_Repaint(WINDOW_HANDLE dialog, int32_t width, int32_t height, const char* name);
// Control `id` of the open dialog was given application font row `row` (a
// scaled row). Resizes the main window under the dialog and repaints it, and
// expects the row to have been made again while the control still draws with
// the font it was given, every control measuring text as before.
void Expect_Control_Fonts_Kept_Through_Resize(WINDOW_HANDLE dialog, int32_t id, int32_t row,
                                              const char* name);
