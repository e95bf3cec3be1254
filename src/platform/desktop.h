#pragma once
// What the program asks of the desktop: sounds, the mouse cursor, and opening
// files, folders and web addresses with the desktop's own programs. Each goes
// through the backend: the null backend records the request, the SDL2
// backend carries it out.
#include <cstdint>

enum CURSOR_SHAPE : int32_t {
    CURSOR_ARROW,
    CURSOR_HAND,
    CURSOR_CROSS,
    CURSOR_MOVE,
    CURSOR_WAIT,
    CURSOR_SHAPE_COUNT
};

// The shape that stands for one of the installation's cursor resources (130
// the pointing hand over something to click, 131 a cross, 132 a move
// cross); -1 for a resource we do not have.
int32_t Load_Cursor_Resource(int32_t resource);
void Show_Cursor_Shape(int32_t shape);

// Plays a WAV file asynchronously, stopping any sound still playing; 1 when it
// plays. An empty path plays the empty sound: it only stops what is playing.
int Play_Sound_File(const char* path);

// Opens `target` (a file, a folder or an address) with `directory` as the
// working folder (nullptr: the current one). Returns a code above 32 on success.
int Shell_Open_Target(const char* target, const char* directory);
// Hands `path` to the system's print command "lp" (`text`, when not null, is
// printed in place of the file's bytes). PRINT_DONE, PRINT_NO_COMMAND when
// there is no "lp", PRINT_REFUSED when it refused the job (backend.h).
int Print_File_Target(const char* path, const char* text);
// Runs "lp" on the file (or with `text` on its input) and waits for it.
int Run_Print_Command(const char* path, const char* text);
// Starts "xdg-open target" detached from this process. SHELL_OPEN_DONE when it
// started and has not failed within a moment; SHELL_OPEN_FAILED, with errno
// set, when there is no xdg-open (ENOPKG) or no such working folder (ENOENT),
// or it exited with an error, as it does when nothing on the desktop can open
// the target.
int Start_Desktop_Opener(const char* target, const char* directory);
