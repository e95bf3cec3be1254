#pragma once
// The modeless progress window of long operations (saving, loading, copying):
// a caption, a line of text and a bar. The operation opens it with a number of
// steps, steps it and closes it; each change shows at once.
#include <cstdint>

#include "platform/handles.h"

constexpr int32_t PROGRESS_TEXT_CONTROL = 1435;

extern WINDOW_HANDLE Progress_Window;

// Opens the window over the main window; 0 when one is already open (nested
// operations share the outer window) or it could not be made.
int Open_Progress_Window(const char* caption, int range);
// n steps, each kept within the range; the text shows the percentage.
void Step_Progress(int steps);
// One step with `text` in place of the percentage (the percentage when null).
void Step_Progress_With_Text(const char* text);
void Close_Progress_Window();
bool Is_Progress_Window_Open();
// "%d%%" of position over range, rounded half up (0 when the range is 0).
void Format_Progress_Percent(char* buffer);
int32_t Get_Progress_Position();
const char* Get_Progress_Text();
// Centres the window over the main window, inside the work area and never
// left of or above the main window's corner.
void Center_Progress_Window();
