#include "platform/message_box.h"

#include <cstdarg>
#include <cstdio>

#include "platform/backend.h"
#include "platform/error_reporter.h"

namespace {
const PROGRAM_MESSAGE_BOX* program_box = nullptr;
// Program boxes open now: a box asked for while one is open is drawn over it.
int open_program_boxes = 0;

void Record_Shown(const char* caption, const char* text, unsigned flags) {
    const PLATFORM_BACKEND& backend = Get_Platform_Backend();
    if (backend.Note_Message_Box != nullptr)
        backend.Note_Message_Box(caption != nullptr ? caption : "", text != nullptr ? text : "", flags);
}

bool Is_Label_Given(const char* label) {
    return label != nullptr && label[0] != '\0';
}

// Whether a box of this button set has a button that returns `answer`.
bool Is_Answer_Offered(unsigned buttons, int answer) {
    switch (buttons) {
    case BOX_OK:
        return answer == ID_BOX_OK;
    case BOX_OK_CANCEL:
        return answer == ID_BOX_OK || answer == ID_BOX_CANCEL;
    case BOX_YES_NO:
        return answer == ID_BOX_YES || answer == ID_BOX_NO;
    case BOX_YES_NO_CANCEL:
        return answer == ID_BOX_YES || answer == ID_BOX_NO || answer == ID_BOX_CANCEL;
    default:
        return answer == ID_BOX_OK;
    }
}

// The answer of a box closed without a choice.
int Closed_Box_Answer(unsigned buttons) {
    switch (buttons) {
    case BOX_OK_CANCEL:
    case BOX_YES_NO_CANCEL:
        return ID_BOX_CANCEL;
    case BOX_YES_NO:
        return ID_BOX_NO;
    default:
        return ID_BOX_OK;
    }
}

// The display's own box is kept for when the frame cannot draw one at all:
// it lies outside the game's window, so it would fall behind and pile up.
bool Use_Program_Box() {
    return !Get_Platform_Backend().Answers_From_Script && program_box != nullptr && program_box->Available();
}

int Show_Program_Box(const char* caption, const char* text, const char* first, const char* second,
                     const char* third) {
    ++open_program_boxes;
    const int answer = program_box->Show(caption, text, first, second, third);
    --open_program_boxes;
    return answer;
}

// The frame's box for a platform button set; the answer in the set's codes.
int Ask_Program_Box(const char* text, const char* caption, unsigned buttons) {
    switch (buttons) {
    case BOX_OK:
        Show_Program_Box(caption, text, "&OK", "", "");
        return ID_BOX_OK;
    case BOX_OK_CANCEL:
        return Show_Program_Box(caption, text, "&OK", "&Cancel", "") == ID_BOX_YES ? ID_BOX_OK
                                                                                   : ID_BOX_CANCEL;
    case BOX_YES_NO:
        return Show_Program_Box(caption, text, "&Yes", "&No", "") == ID_BOX_YES ? ID_BOX_YES : ID_BOX_NO;
    case BOX_YES_NO_CANCEL:
        return Show_Program_Box(caption, text, "&Yes", "&No", "&Cancel");
    default:
        // No other button set is offered by the frame's box.
        return ID_BOX_OK;
    }
}
} // namespace

void Set_Program_Message_Box(const PROGRAM_MESSAGE_BOX* box) {
    program_box = box;
}

bool Is_Message_Box_Busy() {
    return open_program_boxes > 0;
}

namespace {
// An OK box (information, task-modal) with the text formatted into 2,048 bytes.
int Show_Formatted_Box(const char* caption, const char* format, va_list args) {
    char text[2048] = "";
    if (format != nullptr) vsnprintf(text, sizeof text, format, args);
    return Show_Message_Box(text, caption, BOX_OK | BOX_INFORMATION | BOX_TASK_MODAL);
}
} // namespace

int Show_Formatted_Message(const char* caption, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int answer = Show_Formatted_Box(caption, format, args);
    va_end(args);
    return answer;
}

int Show_Quick_Message(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int answer = Show_Formatted_Box("Quick Message", format, args);
    va_end(args);
    return answer;
}

int Show_Message_Box(const char* text, const char* caption, unsigned flags) {
    Record_Shown(caption, text, flags);
    if (text == nullptr) text = "";
    if (caption == nullptr) caption = "";
    const unsigned buttons = flags & BOX_BUTTON_MASK;
    const int fallback = Closed_Box_Answer(buttons);
    const int answer = Use_Program_Box()
                           ? Ask_Program_Box(text, caption, buttons)
                           : Get_Platform_Backend().Ask_Message_Box(text, caption, flags, fallback);
    return Is_Answer_Offered(buttons, answer) ? answer : fallback;
}

int User_Message_Dialog(const char* caption, const char* text, const char* first, const char* second,
                        const char* third) {
    if (!Is_Label_Given(first))
        Report_Platform_Error("Missing string [stOK] in call to User_Message_Dialog()");
    Record_Shown(caption, text, 0);
    if (text == nullptr) text = "";
    if (caption == nullptr) caption = "";
    int answer = ID_BOX_CANCEL;
    if (Use_Program_Box()) {
        answer = Show_Program_Box(caption, text, Is_Label_Given(first) ? first : "&OK",
                                  second != nullptr ? second : "", third != nullptr ? third : "");
    } else {
        // The display's box offers the set that matches the labels given.
        unsigned buttons = BOX_OK;
        if (Is_Label_Given(second))
            buttons = Is_Label_Given(third) ? BOX_YES_NO_CANCEL : BOX_YES_NO;
        else if (Is_Label_Given(third))
            buttons = BOX_OK_CANCEL;
        const int box = Get_Platform_Backend().Ask_Message_Box(
            text, caption, Get_Platform_Backend().Answers_From_Script ? BOX_YES_NO_CANCEL : buttons,
            ID_BOX_CANCEL);
        answer = box == ID_BOX_OK ? ID_BOX_YES : box;
    }
    // Only a button that is there can be chosen; anything else closes the box.
    if (answer == ID_BOX_YES && Is_Label_Given(first)) return ID_BOX_YES;
    if (answer == ID_BOX_NO && Is_Label_Given(second)) return ID_BOX_NO;
    return ID_BOX_CANCEL;
}
