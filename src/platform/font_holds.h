#pragma once
// Windows hold the fonts they draw with, so that a font deleted while a
// window still uses it (an application font made again after the main window
// changed size, under the controls of an open dialog) lives on until the last
// window lets it go. Only the window layer holds fonts.
#include "platform/drawing_surface.h"

void Hold_Font(DRAWING_FONT* font);
// Frees a deleted font when its last hold goes.
void Let_Go_Of_Font(DRAWING_FONT* font);
