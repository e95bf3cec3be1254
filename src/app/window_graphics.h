#pragma once
// Re-making the size-dependent drawing state after the main window is resized.
#include <cstdint>

// When the main window's outer rectangle is at least 1,024 x 676 and differs
// in size from the one the fonts were made for: empties the image caches,
// deletes the scaled fonts, re-creates the back buffer at the new view size
// and makes the fonts again. Returns 1.
int32_t Reinit_Window_Graphics();
