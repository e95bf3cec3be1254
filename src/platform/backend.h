#pragma once
// The one seam between the platform layer and a real display. Everything above
// (message queue, message boxes, the diagnostics header) talks to the current
// backend through this table of functions; the null backend is the only one for
// now, and a windowed backend will later plug in behind the same calls.
#include <cstdint>

// Version of our platform layer, logged in the diagnostics header.
constexpr int PLATFORM_LAYER_VERSION_MAJOR = 1;
constexpr int PLATFORM_LAYER_VERSION_MINOR = 0;

// Wait for ever (no timer pending).
constexpr uint32_t WAIT_FOREVER = 0xFFFFFFFFu;

// What the backend knows of its display surface.
struct DISPLAY_INFO {
    int Width;
    int Height;
    int Bits_Per_Pixel;
    int Planes;
    int Refresh_Rate;
    int Pixels_Per_Inch;
};

struct PLATFORM_BACKEND {
    const char* Name;
    // Moves input that has arrived meanwhile into the message queue.
    void (*Poll_Events)();
    // Blocks until input arrives or `timeout` milliseconds have passed; returns
    // false at once when nothing could ever arrive (no display and no timeout).
    bool (*Wait_For_Events)(uint32_t timeout);
    void (*Describe_Display)(DISPLAY_INFO* info);
    // Shows a message box and returns the button chosen (ID_BOX_*); `fallback`
    // is the answer of a box that is closed without a choice.
    int (*Ask_Message_Box)(const char* text, const char* caption, unsigned flags, int fallback);
    // Runs dialog `dialog_id` modally where the backend cannot draw it itself
    // and returns its end result.
    int (*Answer_Dialog)(int dialog_id, const char* caption, int fallback);
};

const PLATFORM_BACKEND& Get_Platform_Backend();
// Installs `backend` (nullptr restores the null backend).
void Set_Platform_Backend(const PLATFORM_BACKEND* backend);

// The display-less backend of tests and tools: boxes and dialogs are answered
// from the script (scripted_answers.h), waits pass on the platform clock.
const PLATFORM_BACKEND& Get_Null_Backend();
// Surface size the null backend reports (1024 x 768 at start).
void Set_Null_Surface_Size(int width, int height);
