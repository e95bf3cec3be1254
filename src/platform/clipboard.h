#pragma once
// The text clipboard the edits cut, copy and paste through (Windows-1252
// text), kept by the backend: the desktop's own clipboard on a display, one
// of the process's own without one.
#include <string>

void Set_Clipboard_Text(const std::string& text);
// False when the clipboard holds no text.
bool Get_Clipboard_Text(std::string* text);
