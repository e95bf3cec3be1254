#include "platform/backend.h"

#include "platform/clock.h"
#include "platform/scripted_answers.h"

namespace {
int surface_width = 1024;
int surface_height = 768;

void Poll_No_Events() {}

bool Wait_Without_Display(uint32_t timeout) {
    if (timeout == WAIT_FOREVER) return false;
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

int Ask_Scripted_Message_Box(const char*, const char* caption, unsigned, int fallback) {
    return Take_Scripted_Message_Answer(caption, fallback);
}

int Answer_Scripted_Dialog(int dialog_id, const char* caption, int fallback) {
    return Take_Scripted_Dialog_Answer(dialog_id, caption, fallback);
}

const PLATFORM_BACKEND null_backend = {
    "null",
    Poll_No_Events,
    Wait_Without_Display,
    Describe_Null_Display,
    Ask_Scripted_Message_Box,
    Answer_Scripted_Dialog,
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
