#pragma once
// Opening a file, folder or web address with the desktop's own program, and
// handing a written report to the printer.
#include <cstdint>
#include <string>

#include "platform/handles.h"

// Hands `target` (a file, a folder or a web address) to the desktop with
// `folder` as the working folder (nullptr: the current one). File names go
// through the installation's path resolver; addresses pass as they are. A
// refusal is told (Tell_Desktop_Refusal): an address as it is, a file or
// folder that is there with its full path, so that the user can open it by
// hand. A file that is not there is left to the caller to tell.
// Returns the desktop's result, above 32 when it took the request.
int32_t Open_With_Desktop(const char* target, const char* folder);
// Tells the user that the desktop could not open `target` (an address, or a
// file that is there by its full path) and logs the desktop's `result` and
// `error`: the target is not to blame, and the user may open it by hand.
void Tell_Desktop_Refusal(const char* target, int32_t result, int error);
// The same for a page the game opens by itself, which the user did not ask
// for (the start-up reminder, the first start's help page): a refusal is
// only logged, so nothing the game opens unasked stops a player with a box.
int32_t Open_With_Desktop_Unasked(const char* target, const char* folder);
// Open_With_Desktop for the game's own pages and reports. True when the
// request is dealt with: the desktop took it, or it refused and the user has
// been told; false when the file is not there (or no target was given).
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
