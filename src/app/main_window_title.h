#pragma once
// The main window's title, which shows where the calendar stands.

// Formats the title into `buffer` (at least MAIN_WINDOW_TITLE_SIZE bytes).
void Get_Main_Window_Title(char* buffer);
// Sets the main window's title from the calendar state.
void Update_Main_Window_Title();
// The title last set (kept for a main window made later).
const char* Get_Shown_Main_Window_Title();

constexpr int MAIN_WINDOW_TITLE_SIZE = 256;
