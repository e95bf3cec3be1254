#pragma once
// The two bars docked at the bottom of the main window: the status bar (36
// pixels, the season timeline strip) and, when the news ticker option is on,
// the news ticker (24 pixels) along the very bottom edge under it.
#include <cstdint>

#include "app/main_window_geometry.h"
#include "platform/handles.h"

extern WINDOW_HANDLE Status_Bar_Window;
extern WINDOW_HANDLE News_Ticker_Window;

// Creates the status bar, and the ticker too when the option is on, docked
// at the bottom of the main window.
void Create_Status_Bar();
// Destroys the ticker (if any), then the status bar.
void Destroy_Status_Bar();
// The sum of both bars' heights while either is shown, else 0.
int32_t Get_Status_Bars_Height();
// 24 while the ticker exists, else 0.
int32_t Get_Ticker_Height();
// Re-docks both bars at the bottom of the main window, repaints and shows them.
void Redock_Status_Bars();
// Hides both bars (while the main window is being resized).
void Hide_Status_Bars();
int32_t Status_Bar_Exists();
// Paints the status bar again at once (nothing when it does not exist).
void Repaint_Status_Bar();

// Window class both bars are made from.
extern const char* const STATUS_BAR_CLASS;
void Register_Status_Bar_Class();
