#pragma once
// Keys of the game-day screen while a watched game is on it.
#include <cstdint>

// The key command (40116-40131, 40133, 40134); 1 when the screen took it.
int32_t Do_Games_View_Command(int32_t command);
