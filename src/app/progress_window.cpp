#include "app/progress_window.h"

#include "platform/message_box.h"

namespace {
bool progress_open = false;
int progress_position = 0;
} // namespace

int Open_Progress_Window(const char*, int)
{
    if (progress_open) return 0;
    progress_open = true;
    progress_position = 0;
    return 1;
}

void Step_Progress(int steps)
{
    progress_position += steps;
    Pump_Messages();
}

void Close_Progress_Window()
{
    if (!progress_open) return;
    progress_open = false;
    Pump_Messages();
}

bool Is_Progress_Window_Open() { return progress_open; }
