#pragma once
// The main window's status bar and news ticker bar as the season cycle drives
// them, and the full repaint of the main window's view.
#include <cstdint>

// Forces the current view to be painted anew and shows it at once.
void Repaint_Main_Window();

// The status bar, and the news ticker under it when its option is on.
void Create_Status_Bar();
int32_t Status_Bar_Exists();
void Repaint_Status_Bar();
int32_t News_Ticker_Exists();
void Repaint_News_Ticker();
// Stops the ticker's timers and scrolling and releases its drawing context.
void Stop_News_Ticker();
// Stops and destroys the ticker bar.
void Destroy_News_Ticker();
// Rebuilds the ticker's items from the league, and starts them scrolling.
void Build_News_Ticker_Items();
void Start_Ticker_Item_Scroll();
