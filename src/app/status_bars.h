#pragma once
// The status bar and the news ticker docked under the main window's view.
#include <cstdint>

// The sum of both bars' heights while either is shown, else 0.
int32_t Get_Status_Bars_Height();
