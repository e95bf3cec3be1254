#pragma once
// Drawing cached pictures: one slot with clipping, stretching, a raster
// operation and alpha, and the named-picture calls that find or load a slot
// and draw it (at a point, centred, in a design rectangle, over a rectangle
// of a dialog, as a screen or window background).
#include <cstdint>

#include "app/bitmap_cache.h"
#include "platform/drawing_surface.h"
#include "platform/handles.h"

// Colour of a background picture that cannot be drawn.
constexpr COLOUR_VALUE MISSING_IMAGE_COLOUR = 0x000080; // RGB(128, 0, 0)

constexpr int CURRENT_BACKGROUND_NAME_SIZE = 260;
// The background picture of the current screen; each painter sets it before
// Draw_Screen_Background.
extern char Current_Background_Name[CURRENT_BACKGROUND_NAME_SIZE];

// Draws source (sx, sy, sw, sh) of the entry onto (dx, dy, dw, dh); -1 sizes
// are the entry's. `alpha` below 255, or the entry's flag A, blends. Returns 0
// without an entry, a bitmap or a context.
int32_t Draw_Cached_Bitmap(DEVICE_CONTEXT* dc, BITMAP_CACHE_ENTRY* entry, int32_t alpha, int32_t dx,
                           int32_t dy, int32_t dw, int32_t dh, int32_t sx, int32_t sy, int32_t sw,
                           int32_t sh);

// A slot of the image cache holding `name`: loaded unless the slot already
// keeps the decoded pixels of that very name (so a picture loaded without
// the flags L or D is read again at each use). nullptr when it cannot be had.
BITMAP_CACHE_ENTRY* Take_Cached_Image(DEVICE_CONTEXT* dc, const char* name);

// The whole picture at (x, y) in window pixels, stretched to w x h (-1: natural).
int32_t Draw_Cached_Image(DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y, int32_t w, int32_t h);
// The picture at natural size centred on the design point (x, y); returns its height.
int32_t Draw_Cached_Image_Centered(DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y);
// The picture stretched into the design rectangle (x, y, w, h); with
// `keep_aspect` a picture wider than the box keeps its shape and the height
// shrinks. Returns the (possibly reduced) design height, 0 when not drawn.
int32_t Draw_Cached_Image_In_Rect(DEVICE_CONTEXT* dc, const char* name, int32_t x, int32_t y, int32_t w,
                                  int32_t h, int32_t keep_aspect);
// The whole picture stretched over a control's rectangle of a dialog
// (`dc` draws on the dialog), and the natural-size picture centred on it.
int32_t Draw_Cached_Image_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t control_id,
                                     const char* name);
int32_t Draw_Cached_Image_Centered_On_Control(WINDOW_HANDLE dialog, DEVICE_CONTEXT* dc, int32_t control_id,
                                              const char* name);

// The current screen's background over the back buffer, then the user team's
// logo in the corner while the bars are shown and no watched game is on
// screen; 1 when the background was drawn.
int32_t Draw_Screen_Background(DEVICE_CONTEXT* dc);
// The same without the logo.
int32_t Draw_Background_Image_Without_Logo(DEVICE_CONTEXT* dc);
// The background slot holding a picture of exactly width x height; nullptr
// when neither does.
BITMAP_CACHE_ENTRY* Choose_Background_Slot(int32_t width, int32_t height);
// The background `name` (nullptr: the first background slot) with `alpha`:
// with all four coordinates -1 over the whole back buffer, with none -1 the
// inclusive rectangle (x1, y1)-(x2, y2) of the picture at the same place; any
// other mix is reported and draws nothing. Without a context returns 1 when
// the picture exists; with one, 1 when drawn.
int32_t Draw_Background_Image(DEVICE_CONTEXT* dc, const char* name, int32_t alpha, int32_t x1, int32_t y1,
                              int32_t x2, int32_t y2);
// A window's background picture stretched over its client rectangle; without
// the picture the rectangle gets the skin colour.
int32_t Draw_Window_Background(WINDOW_HANDLE window, DEVICE_CONTEXT* dc, const char* name);
