#pragma once
// Message boxes and the message pump as the game logic sees them. Without a
// display (tests, tools) every question is answered from a script, and every
// box shown is recorded so callers can check what the user was told.
#include <string>
#include <vector>

// Button codes a box returns.
constexpr int ID_BOX_OK = 1;
constexpr int ID_BOX_CANCEL = 2;
constexpr int ID_BOX_YES = 6;
constexpr int ID_BOX_NO = 7;

// Flag bits of Show_Message_Box.
constexpr unsigned BOX_OK_CANCEL = 0x1;
constexpr unsigned BOX_YES_NO_CANCEL = 0x3;
constexpr unsigned BOX_YES_NO = 0x4;
constexpr unsigned BOX_INFORMATION = 0x40;
constexpr unsigned BOX_TASK_MODAL = 0x2000;

int Show_Formatted_Message(const char* caption, const char* format, ...) __attribute__((format(printf, 2, 3)));
int Show_Message_Box(const char* text, const char* caption, unsigned flags);
int User_Message_Dialog(const char* caption, const char* text, const char* first, const char* second,
                        const char* third);
void Pump_Messages();

struct SHOWN_MESSAGE {
    std::string Caption;
    std::string Text;
};

// Answers the next box whose caption equals `caption` (any box when empty) with
// `answer`. Unscripted questions are answered cancel / no.
void Script_Message_Answer(const std::string& caption, int answer);
const std::vector<SHOWN_MESSAGE>& Get_Shown_Messages();
void Clear_Shown_Messages();
