#pragma once
// Turns the display's input into messages of the window tree: mouse events go
// to the window under the pointer (or the one holding the capture) in its
// client coordinates, keys to the window with the focus, the close box to the
// primary window. Windows that are disabled, or lie in a disabled top-level
// window or under a modal dialog, get nothing: a press there only brings the
// innermost modal dialog to the front, and keys go to that dialog. A click on
// a menu bar opens that menu. The backends call these; tests call them
// through the null backend's scripted input.
#include <cstdint>

#include "platform/handles.h"

// Whether input may reach the window: its top-level window is enabled and
// no modal dialog keeps input from it.
bool Is_Window_Taking_Input(WINDOW_HANDLE window);
// Mouse message (MSG_MOUSE_MOVE, MSG_LBUTTON_DOWN, ...) at a screen point.
// A press on the caption of a window other than the primary one moves it; a
// press where the window under the pointer answers MSG_HIT_TEST with
// HIT_BOTTOM_RIGHT sizes its top-level window (MSG_ENTER_SIZE_MOVE, then
// MSG_SIZING at every move, MSG_EXIT_SIZE_MOVE when the button comes up).
void Route_Mouse_Event(uint32_t code, int32_t x, int32_t y, uintptr_t buttons);
// Where the pointer was at the last mouse event (screen pixels; 0, 0 before any).
void Get_Pointer_Position(int32_t* x, int32_t* y);
// MSG_KEY_DOWN or MSG_KEY_UP with a KEY_* code and KEY_MODIFIER_* bits.
void Route_Key_Event(uint32_t code, uint32_t key, uint32_t modifiers);
void Route_Character_Event(uint32_t character);
// Typed text as the desktop delivers it (UTF-8): each letter the game's
// Windows-1252 text holds reaches the keyboard target as one MSG_CHAR of
// its byte; controls and letters the code page lacks are dropped.
void Route_Typed_Text(const char* text);
// The window keyboard input goes to now: a drop-down menu that is open, else
// the focus, else the topmost top-level window taking input; the innermost
// modal dialog when that lies under it; NO_WINDOW when it lies in a disabled
// top-level window.
WINDOW_HANDLE Resolve_Keyboard_Target();
// The close box: MSG_CLOSE to the primary window, or, while a modal dialog
// keeps input from it, to the innermost modal dialog (which then cancels).
void Route_Close_Request();
// True while a window follows the pointer (moved or sized).
bool Is_Window_Being_Dragged();
