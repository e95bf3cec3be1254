// Program entry: the game on the SDL2 display.
#include "app/startup.h"
#include "platform/display_choice.h"
#include "platform/sdl/sdl_backend.h"

int main(int argc, char** argv) {
    // Without a display the game has told why on stderr and ends.
    if (!Start_SDL_Backend()) return NO_DISPLAY_EXIT_CODE;
    Use_SDL_Backend();
    const int exit_code = Run_Football_Korva(argc, argv);
    Stop_SDL_Backend();
    return exit_code;
}
