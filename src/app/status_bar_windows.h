#pragma once
// The windows of the status bar and the news ticker.

// Destroys the news ticker's window when it is shown.
void Destroy_News_Ticker();
// Destroys the status bar's window.
void Destroy_Status_Bar();
