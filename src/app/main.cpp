// Program entry: the game on the SDL2 display.
#include <cstdio>

#include "app/startup.h"
#include "platform/sdl/sdl_backend.h"

int main(int argc, char** argv) {
    if (!Start_SDL_Backend()) {
        std::fprintf(stderr, "Football Korva: no display could be opened.\n");
        return 1;
    }
    Use_SDL_Backend();
    const int exit_code = Run_Football_Korva(argc, argv);
    Stop_SDL_Backend();
    return exit_code;
}
