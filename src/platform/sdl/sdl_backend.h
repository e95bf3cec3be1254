#pragma once
// The windowed backend: one SDL2 window that shows the primary window of the
// window tree with the dialogs and drop-downs over it, and turns SDL events
// into our messages. Only the program itself links it.

// Opens the display; false (with the reason logged) when there is none.
bool Start_SDL_Backend();
// Installs the backend as the platform's (after Start_SDL_Backend).
void Use_SDL_Backend();
// Closes the window and the display.
void Stop_SDL_Backend();
