#pragma once
// Opening a file, folder or web address with the desktop's own program.
#include "platform/handles.h"

// File names go through the installation's path resolver; addresses pass as
// they are. True when the desktop took the request.
bool Shell_Open(WINDOW_HANDLE window, const char* target);
// The same with a working folder for the program that opens it.
bool Shell_Open_In_Folder(WINDOW_HANDLE window, const char* target, const char* folder);
