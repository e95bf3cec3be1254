#include "platform/sdl/sdl_backend.h"

bool Start_SDL_Backend() {
    return false;
}
void Use_SDL_Backend() {}
void Stop_SDL_Backend() {}
