#include "app/status_bar_windows.h"

// The status bar and the news ticker have no windows yet: nothing to destroy.
void Destroy_News_Ticker() {}
void Destroy_Status_Bar() {}
