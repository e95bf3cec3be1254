#include "platform/message_box.h"

#include <cstdarg>
#include <cstdio>

#include "app/diagnostics.h"
#include "platform/backend.h"

namespace {
std::vector<SHOWN_MESSAGE> shown_messages;

void Record_Shown(const char* caption, const char* text) {
    shown_messages.push_back({caption != nullptr ? caption : "", text != nullptr ? text : ""});
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
} // namespace

int Show_Formatted_Message(const char* caption, const char* format, ...) {
    char text[2048] = "";
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
    }
    return Show_Message_Box(text, caption, BOX_OK | BOX_INFORMATION | BOX_TASK_MODAL);
}

int Show_Message_Box(const char* text, const char* caption, unsigned flags) {
    Record_Shown(caption, text);
    unsigned buttons = flags & BOX_BUTTON_MASK;
    int fallback = Closed_Box_Answer(buttons);
    int answer = Get_Platform_Backend().Ask_Message_Box(text != nullptr ? text : "",
                                                        caption != nullptr ? caption : "", flags, fallback);
    return Is_Answer_Offered(buttons, answer) ? answer : fallback;
}

int User_Message_Dialog(const char* caption, const char* text, const char* first, const char* second,
                        const char* third) {
    // The third button and closing the box both answer cancel, so its label changes no answer.
    (void)third;
    if (!Is_Label_Given(first)) Report_System_Error("Missing string [stOK] in call to User_Message_Dialog()");
    Record_Shown(caption, text);
    int answer = Get_Platform_Backend().Ask_Message_Box(
        text != nullptr ? text : "", caption != nullptr ? caption : "", BOX_YES_NO_CANCEL, ID_BOX_CANCEL);
    // Only a button that is there can be chosen; anything else closes the box.
    if (answer == ID_BOX_YES && Is_Label_Given(first)) return ID_BOX_YES;
    if (answer == ID_BOX_NO && Is_Label_Given(second)) return ID_BOX_NO;
    return ID_BOX_CANCEL;
}

const std::vector<SHOWN_MESSAGE>& Get_Shown_Messages() {
    return shown_messages;
}

void Clear_Shown_Messages() {
    shown_messages.clear();
    Clear_Scripted_Answers();
}
