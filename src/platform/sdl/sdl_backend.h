#pragma once
// The windowed backend: one SDL2 window that shows the primary window of the
// window tree with the dialogs and drop-downs over it, and turns SDL events
// into our messages. Only the program itself links it.

// Opens the display and tries a window on it; false, with the reason told on
// stderr, when there is none, or only a driver that shows nothing that
// SDL_VIDEODRIVER did not ask for.
bool Start_SDL_Backend();
// Installs the backend as the platform's (after Start_SDL_Backend).
void Use_SDL_Backend();
// Closes the window and the display.
void Stop_SDL_Backend();
