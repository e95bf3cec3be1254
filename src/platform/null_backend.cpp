#include "platform/backend.h"

#include "platform/clock.h"
#include "platform/error_reporter.h"
#include "platform/message_queue.h"
#include "platform/scripted_answers.h"

namespace {
int surface_width = 1024;
int surface_height = 768;
// No device delivers events here: scripted input arrives when the program
// waits for it.
void Poll_No_Events() {}

bool Deliver_Input() {
    return Deliver_Next_Scripted_Input();
}

// Scripted input arrives when the program waits for it, as a user's would.
bool Wait_Without_Display(uint32_t timeout) {
    if (Deliver_Input()) return true;
    if (timeout == WAIT_FOREVER) return false;
    if (Note_Scripted_Idle_Wait(timeout)) {
        // A run a script drove that waits on and on has lost its way: end it.
        Report_Platform_Error("Scripted input ran out and the program kept waiting: asking it to quit");
        Request_Quit(-1);
        return true;
    }
    Let_Time_Pass(timeout);
    return true;
}

void Describe_Null_Display(DISPLAY_INFO* info) {
    *info = DISPLAY_INFO{};
    info->Width = surface_width;
    info->Height = surface_height;
    info->Bits_Per_Pixel = 32;
    info->Planes = 1;
}

void Get_Null_Work_Area(RECT_AREA* area) {
    if (area != nullptr) *area = {0, 0, surface_width, surface_height};
}

int Ask_Scripted_Message_Box(const char*, const char* caption, unsigned, int fallback) {
    return Take_Scripted_Message_Answer(caption, fallback);
}

int Record_Sound(const char* path) {
    Record_Played_Sound(path);
    return 1;
}

int Record_Shell(const char* target, const char* directory) {
    return Record_Shell_Request(target, directory);
}

int Record_Print(const char* path, const char* text) {
    return Record_Print_Request(path, text);
}

// A clipboard of the process's own.
std::string clipboard_text;

void Put_Null_Clipboard(const char* text) {
    clipboard_text = text != nullptr ? text : "";
}

bool Get_Null_Clipboard(std::string* text) {
    if (text != nullptr) *text = clipboard_text;
    return true;
}

const PLATFORM_BACKEND null_backend = {
    "null",
    true,
    Poll_No_Events,
    Wait_Without_Display,
    Deliver_Input,
    Describe_Null_Display,
    Get_Null_Work_Area,
    Ask_Scripted_Message_Box,
    Take_Scripted_Dialog_Answer,
    Record_Sound,
    Record_Cursor_Request,
    Record_Shell,
    Record_Print,
    Put_Null_Clipboard,
    Get_Null_Clipboard,
    Record_Shown_Message,
};

const PLATFORM_BACKEND* current_backend = &null_backend;
} // namespace

const PLATFORM_BACKEND& Get_Null_Backend() {
    return null_backend;
}

const PLATFORM_BACKEND& Get_Platform_Backend() {
    return *current_backend;
}

void Set_Platform_Backend(const PLATFORM_BACKEND* backend) {
    current_backend = backend != nullptr ? backend : &null_backend;
}

void Set_Null_Surface_Size(int width, int height) {
    surface_width = width > 0 ? width : 0;
    surface_height = height > 0 ? height : 0;
}
