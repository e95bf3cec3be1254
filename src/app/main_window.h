#pragma once
// The one top-level window of the program: its class, its creation at the
// remembered size, the rules that hold its size and shape, its title, and its
// procedure, which routes every menu and accelerator command.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

extern WINDOW_HANDLE Main_Window;
// Set from the start of a user's drag of the frame to its end.
extern int32_t Sizing_In_Progress;

// The class's name and the product name.
constexpr const char* MAIN_WINDOW_CLASS = "Football Korva";
// The frame's own messages: the fantasy draft continues its picks with the
// first; the second stamps the owner Hall of Fame file.
constexpr uint32_t MSG_MAIN_WINDOW_USER = 0x1000;
constexpr uint32_t MSG_MAIN_WINDOW_USER_STAMP = MSG_MAIN_WINDOW_USER + 8;

// The smallest client area the views are designed for.
constexpr int32_t MINIMUM_CLIENT_WIDTH = 1024;
constexpr int32_t MINIMUM_CLIENT_HEIGHT = 676;

// True when registered (or already registered).
bool Register_Main_Window_Class();
// Creates and shows the main window at the remembered placement, or
// maximized over the work area when none is remembered; either way the height
// is raised to the minimum and the width follows from the height by the
// window's shape. NO_WINDOW on failure.
WINDOW_HANDLE Create_Main_Window();
// Remembers the window's rectangle (zeros when it fills the work area; nothing
// when it is put away) in the owner Hall of Fame file.
void Save_Window_Placement(WINDOW_HANDLE window);
// Reads the remembered rectangle; all zeros when none.
void Read_Window_Placement(RECT_AREA* rect);
// Holds a dragged rectangle to the minimum size and the window's shape;
// returns whether it changed the rectangle.
bool Constrain_Main_Window_Sizing(RECT_AREA* rect, uintptr_t edge);
// True when trades may be made now.
bool Is_Trading_Allowed();
intptr_t Main_Window_Proc(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
// The close rules: refuse while games are simulated unwatched, ask to save,
// then destroy the window. True when the window was destroyed.
bool Close_Main_Window(WINDOW_HANDLE window);
// Routes a menu or accelerator command; false for an id the window leaves
// to the default procedure.
bool Do_Main_Window_Command(WINDOW_HANDLE window, int32_t command);
