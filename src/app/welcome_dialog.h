#pragma once
// The welcome flow and the frame's own small dialogs: the welcome dialog
// (110), About (103) and New Version Available (199).
#include <cstdint>

#include "platform/dialogs.h"

constexpr int32_t WELCOME_NEW_GAME = 1031;
constexpr int32_t WELCOME_RESUME_GAME = 1034;

extern const DIALOG_TEMPLATE WELCOME_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE ABOUT_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE NEW_VERSION_DIALOG_TEMPLATE;

intptr_t Welcome_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
intptr_t About_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
intptr_t New_Version_Available_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                           intptr_t lparam);

// The welcome flow: 1 when the user chose to play, 0 after asking the
// program to quit (the welcome dialog was cancelled).
int32_t Do_Splash_Screen();
// Offers to copy saved games of earlier installations into the current
// folder; 1 when it copied.
int32_t Copy_Previous_Version_Saved_Games();
