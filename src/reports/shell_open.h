#pragma once
// Opening a file, folder or web address with the desktop's own program, and
// handing a written report to the printer.
#include <string>

#include "platform/handles.h"

// File names go through the installation's path resolver; addresses pass as
// they are. True when the desktop took the request.
bool Shell_Open(WINDOW_HANDLE window, const char* target);
// The same with a working folder for the program that opens it.
bool Shell_Open_In_Folder(WINDOW_HANDLE window, const char* target, const char* folder);
// Hands the file to the system's print command; an HTML page goes as its
// text. True when the printer took it; `result` gets PRINT_DONE or why not
// (platform/backend.h).
bool Shell_Print(WINDOW_HANDLE window, const char* path, int* result = nullptr);
// The text of an HTML page as it reads: tags dropped, "<br>" and the ends of
// rows, paragraphs and headings as line ends, the references of escaped text
// read back.
std::string Get_HTML_Page_Text(const std::string& html);
