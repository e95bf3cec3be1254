#pragma once
// The 36 application fonts, addressed by row. Rows with the scale flag grow
// and shrink with the main window; the others keep their design size. Fonts
// are made on the first request, counted per use, and the scaled ones are
// made again after the window changes size.
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t APP_FONT_COUNT = 36;

struct APP_FONT_DEF {
    int32_t Height; // pixels at the design size (a line's height)
    int32_t Weight;
    int32_t Face;   // index into the face list
    int32_t Scaled; // 1: scales with the window
};

// The face names the rows ask for (mapped to free faces by the platform).
extern const char* const App_Font_Faces[12];
extern const APP_FONT_DEF App_Font_Table[APP_FONT_COUNT];

// The row's font, counted as one more use; nullptr for a row above 35.
DRAWING_FONT* Get_App_Font(int32_t row);
// Gives a use back; releasing more often than taken is reported.
void Release_App_Font(DRAWING_FONT* font);
// Makes every row that has no font and every scaled row; returns 1.
int32_t Load_App_Fonts();
int32_t Create_App_Font(int32_t row);
// Deletes the scaled rows (or all rows); 0 when the fonts were not loaded.
int32_t Free_App_Fonts(bool all);
// The 36 use counts on one line of the log.
void Log_App_Font_Use_Counts();

bool App_Fonts_Are_Loaded();
int32_t Get_App_Font_Use_Count(int32_t row);
// The line height the row was last made with.
int32_t Get_App_Font_Height(int32_t row);
// The main window's outer rectangle at the last font creation.
void Get_App_Font_Window_Rect(RECT_AREA* rect);
