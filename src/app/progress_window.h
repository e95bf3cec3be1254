#pragma once
// The modeless progress window of long operations (saving, loading, copying).

// Opens the window; refuses (returns 0) while one is already open.
int Open_Progress_Window(const char* caption, int range);
void Step_Progress(int steps);
void Close_Progress_Window();
bool Is_Progress_Window_Open();
