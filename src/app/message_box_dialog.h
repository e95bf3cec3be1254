#pragma once
// The program's own message box (dialog 41008): a caption, a word-wrapped
// message and up to three buttons with free labels.
#include <cstdint>

#include "platform/dialogs.h"

constexpr int32_t MESSAGE_FIRST_BUTTON = 41009;
constexpr int32_t MESSAGE_SECOND_BUTTON = 41010;
constexpr int32_t MESSAGE_THIRD_BUTTON = 41011;
constexpr int32_t MESSAGE_TEXT = 41012;

// What dialog 41008 is given: caption, message, an empty text, and the three
// button labels (an empty label means no such button).
struct USER_MESSAGE_RECORD {
    const char* Texts[6];
};

extern const DIALOG_TEMPLATE USER_MESSAGE_DIALOG_TEMPLATE;
// Ends with 6 for the first button (or Enter), 7 for the second, 2 for the
// third (or Escape, or closing it).
intptr_t User_Message_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Formats the text, appends a blank line and the system's text for the error
// code, logs it and shows it (OK, information icon).
int Show_Last_Error_Message(int error_code, const char* caption, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// Makes Show_Message_Box and User_Message_Dialog use this box once the main
// window's back buffer exists.
void Install_Program_Message_Box();
