#pragma once
// The main window's back buffer: a memory surface every view paints into and
// the window copies from. Its device context is shared; taking it counts a
// use and saves the context's state, giving it back restores the state.
#include <cstdint>

#include "platform/drawing_surface.h"

// Window size of the headless frame until a real window gives its own: the
// design space of 768 x 507 scaled by 4/3.
constexpr int32_t DEFAULT_BACK_BUFFER_WIDTH = 1024;
constexpr int32_t DEFAULT_BACK_BUFFER_HEIGHT = 676;

// Creates (or re-creates) the back buffer at the given size with a use count
// of 0. Returns 1, or 0 for an impossible size (the old buffer stays).
int32_t Create_Main_Window_Back_Buffer(int32_t width, int32_t height);
// The same at the size of the main window's view area: its client area, less
// the status bars (36 pixels, 60 with the news ticker) under a full-window view.
int32_t Create_Main_Window_Back_Buffer_For_Window();
// Frees the back buffer; a use count other than 0 is reported and cleared.
void Destroy_Main_Window_Back_Buffer();
int32_t Main_Window_Back_Buffer_Exists();
// The size the back buffer stands for (the buffer's own until recomputed).
int32_t Get_Back_Buffer_Width();
int32_t Get_Back_Buffer_Height();
// Takes the width and height from the main window's view area again without
// making the buffer anew.
void Recompute_Back_Buffer_Size();
// (0, 0, width, height) of the back buffer; before it exists (reported, as a
// caller asked too early) the view area of the main window.
void Get_Back_Buffer_Rect(RECT_AREA* rect);
const DRAWING_SURFACE* Get_Back_Buffer_Surface();

// The back buffer's device context, or nullptr when there is no back buffer.
DEVICE_CONTEXT* Acquire_Main_Window_DC();
// Gives the context back and restores its state; releasing more often than it
// was taken is reported, and the count goes below 0.
void Release_Main_Window_DC();
int32_t Get_Main_Window_DC_Count();

// Marks a window rectangle for copying to the screen; the marks gather into
// one bounding rectangle until the next paint takes it.
void Invalidate_Main_Window_Rect(const RECT_AREA& rect);
// 1 with the gathered rectangle, which is then cleared; 0 when nothing is marked.
int32_t Take_Main_Window_Invalid_Rect(RECT_AREA* rect);

// The view whose picture the back buffer holds; -1 makes the next paint run
// the view's painter again.
int32_t Get_Last_Painted_View();
void Set_Last_Painted_View(int32_t view);
