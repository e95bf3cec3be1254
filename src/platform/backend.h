#pragma once
// The one seam between the platform layer and a real display. Everything above
// (windows, message queue, message boxes, sounds, the diagnostics header)
// talks to the current backend through this table of functions. The null
// backend has no display and answers from a script; the SDL2 backend
// (platform/sdl/) shows the primary window and its dialogs in a real window.
#include <cstdint>
#include <string>

#include "platform/drawing_surface.h"

// Version of our platform layer, logged in the diagnostics header.
constexpr int PLATFORM_LAYER_VERSION_MAJOR = 1;
constexpr int PLATFORM_LAYER_VERSION_MINOR = 1;

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

// Result of a shell request that worked (anything above 32 means success).
constexpr int SHELL_OPEN_DONE = 33;
constexpr int SHELL_OPEN_FAILED = 2;

// Results of a print request.
constexpr int PRINT_DONE = 0;
constexpr int PRINT_NO_COMMAND = 1; // the system has no print command
constexpr int PRINT_REFUSED = 2;    // the print command refused the file

struct PLATFORM_BACKEND {
    const char* Name;
    // Questions (message boxes, modal dialogs) are answered by the script and
    // never shown; only input scripted in advance drives a dialog.
    bool Answers_From_Script;
    // Moves input that has arrived meanwhile into the message queue and shows
    // the screen when it changed.
    void (*Poll_Events)();
    // Blocks until input arrives or `timeout` milliseconds have passed; returns
    // false at once when nothing could ever arrive (no display and no timeout).
    bool (*Wait_For_Events)(uint32_t timeout);
    // Delivers one event of input scripted in advance; false when none is left.
    bool (*Deliver_Scripted_Input)();
    void (*Describe_Display)(DISPLAY_INFO* info);
    // The part of the screen windows may use.
    void (*Get_Work_Area)(RECT_AREA* area);
    // Shows a message box of the display itself and returns the button chosen
    // (ID_BOX_*); `fallback` is the answer of a box closed without a choice.
    int (*Ask_Message_Box)(const char* text, const char* caption, unsigned flags, int fallback);
    // The scripted end result of dialog `dialog_id` (or of its caption), if any.
    bool (*Take_Dialog_Answer)(int dialog_id, const char* caption, int* answer);
    // Starts playing a WAV file (stopping any sound still playing); 1 when it
    // plays. An empty path stops the sound playing and plays nothing.
    int (*Play_Sound)(const char* path);
    // Shows a CURSOR_SHAPE.
    void (*Set_Cursor)(int32_t shape);
    // Opens a file, folder or web address with the desktop's own program;
    // SHELL_OPEN_DONE or a failure code of 32 or less.
    int (*Shell_Open)(const char* target, const char* directory);
    // Hands a file to the system's print command; `text`, when not null, is
    // printed in its place (the plain text of a page). PRINT_DONE, or why not.
    int (*Print_File)(const char* path, const char* text);
    // The desktop's text clipboard, in the program's Windows-1252 text.
    void (*Put_Clipboard_Text)(const char* text);
    bool (*Get_Clipboard_Text)(std::string* text);
    // Notes the caption, text and flags of every box shown, for the runs that
    // read them back (tests and tools); nullptr keeps no record.
    void (*Note_Message_Box)(const char* caption, const char* text, unsigned flags);
};

const PLATFORM_BACKEND& Get_Platform_Backend();
// Installs `backend` (nullptr restores the null backend).
void Set_Platform_Backend(const PLATFORM_BACKEND* backend);

// The display-less backend of tests and tools: boxes and dialogs are answered
// from the script (scripted_answers.h), waits pass on the platform clock.
const PLATFORM_BACKEND& Get_Null_Backend();
// Screen size the null backend reports (1024 x 768 at start).
void Set_Null_Surface_Size(int width, int height);
