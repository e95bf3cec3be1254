#pragma once
// Message boxes and the message pump as the game logic sees them. Without a
// display (tests, tools) every question is answered from a script, and every
// box shown is recorded so callers can check what the user was told. With a
// display the frame's own box is used once the frame has installed it and can
// draw it, a box asked for while another is open going over that one; before
// that, the display's plain box.
#include <string>
#include <vector>

#include "platform/message_queue.h"
#include "platform/scripted_answers.h"

// Button codes a box returns.
constexpr int ID_BOX_OK = 1;
constexpr int ID_BOX_CANCEL = 2;
constexpr int ID_BOX_YES = 6;
constexpr int ID_BOX_NO = 7;

// Flag bits of Show_Message_Box: the button set in the low four bits, icon,
// default button and modality above.
constexpr unsigned BOX_OK = 0x0;
constexpr unsigned BOX_OK_CANCEL = 0x1;
constexpr unsigned BOX_YES_NO_CANCEL = 0x3;
constexpr unsigned BOX_YES_NO = 0x4;
constexpr unsigned BOX_BUTTON_MASK = 0xF;
constexpr unsigned BOX_QUESTION = 0x20;
constexpr unsigned BOX_INFORMATION = 0x40;
constexpr unsigned BOX_ICON_MASK = 0xF0;
constexpr unsigned BOX_SECOND_DEFAULT = 0x100;
constexpr unsigned BOX_TASK_MODAL = 0x2000;

// Formats into 2,048 bytes and shows an OK box (information, task-modal).
int Show_Formatted_Message(const char* caption, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// Show_Formatted_Message with the caption "Quick Message".
int Show_Quick_Message(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Returns ID_BOX_*: OK boxes answer OK, other sets answer the script or, by
// default, no (yes/no) or cancel. A scripted answer the box has no button for
// counts as closing it.
int Show_Message_Box(const char* text, const char* caption, unsigned flags);
// Up to three labelled buttons: ID_BOX_YES for the first, ID_BOX_NO for the
// second, ID_BOX_CANCEL for the third or when closed (the default).
int User_Message_Dialog(const char* caption, const char* text, const char* first, const char* second,
                        const char* third);

// The frame's own box: caption, text and up to three button labels (empty
// for none); returns ID_BOX_YES for the first button, ID_BOX_NO for the
// second, ID_BOX_CANCEL for the third or when closed. `available` says
// whether the box can be shown now.
struct PROGRAM_MESSAGE_BOX {
    bool (*Available)();
    int (*Show)(const char* caption, const char* text, const char* first, const char* second,
                const char* third);
};
// nullptr removes it.
void Set_Program_Message_Box(const PROGRAM_MESSAGE_BOX* box);
// True while one of the frame's own boxes is open.
bool Is_Message_Box_Busy();

struct SHOWN_MESSAGE {
    std::string Caption;
    std::string Text;
    // The flags the box was asked with (button set, icon, modality); 0 for a
    // box of labelled buttons.
    unsigned Flags = 0;
};

// The boxes shown, oldest first: kept by the null backend only (a run with a
// display keeps no record).
const std::vector<SHOWN_MESSAGE>& Get_Shown_Messages();
// Forgets the boxes shown and every scripted answer.
void Clear_Shown_Messages();
