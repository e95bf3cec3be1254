#pragma once
// Whether the display SDL opened can show the game, and what the user is told
// when none can. SDL falls back to drivers that show nothing ("offscreen",
// "dummy") when no display is reached; the game takes those only when asked
// for by name through SDL_VIDEODRIVER (tests and scripts that need no screen).
#include <string>

// True for a driver that shows a window; a driver that shows nothing only
// when `requested` (the SDL_VIDEODRIVER text, a comma-separated list, or
// null) names it. Names are compared without case.
bool Is_Video_Driver_Accepted(const char* driver, const char* requested);

// The line told on stderr when the game has no display: it names the display
// asked for (`display`, the DISPLAY text, or that it is unset) and the reason.
std::string Describe_Missing_Display(const char* display, const char* reason);

// The exit code of a start without a display.
constexpr int NO_DISPLAY_EXIT_CODE = 1;
