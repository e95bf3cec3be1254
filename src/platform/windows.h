#pragma once
// The window tree: windows of registered classes, each with a procedure that
// receives its messages, a rectangle, visibility, an enabled state, text and
// a picture of its own client area. Top-level windows lie on the screen in
// z-order (an owner below what it owns); child windows lie in their parent's
// client area and are cut to it.
//
// A window is destroyed exactly once: its children with it, its timers
// killed, its device contexts and picture freed. Handles are never reused, so
// every call on a handle that is gone is refused and reported.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/handles.h"
#include "platform/message_queue.h"

// Style bits.
constexpr uint32_t WINDOW_CHILD = 0x1;
constexpr uint32_t WINDOW_VISIBLE = 0x2;
constexpr uint32_t WINDOW_DISABLED = 0x4;
constexpr uint32_t WINDOW_CAPTION = 0x8; // a caption bar drawn by the layer
constexpr uint32_t WINDOW_BORDER = 0x10; // a one-pixel frame
constexpr uint32_t WINDOW_TAB_STOP = 0x20;
constexpr uint32_t WINDOW_POPUP = 0x40; // a drop-down: never takes the focus
// A child whose painting starts from what its parent shows under it rather
// than from its class colour: labels, frames and pictures over a dialog's
// background. It is painted again whenever that part of the parent is.
constexpr uint32_t WINDOW_TRANSPARENT = 0x80;
// Bits from here on belong to the window's class (the styles of the controls).
constexpr uint32_t WINDOW_CLASS_STYLE_FIRST = 0x10000;

// Sizes of the furniture the layer draws around a client area.
constexpr int32_t MENU_BAR_HEIGHT = 20;
constexpr int32_t CAPTION_HEIGHT = 22;
constexpr int32_t BORDER_WIDTH = 1;

// Registers a class; a class registered again gets the new procedure and
// colour (later windows only). `background` fills what painting uncovers;
// NO_BACKGROUND leaves the old picture.
constexpr COLOUR_VALUE NO_BACKGROUND = 0xFF000000u;
bool Register_Window_Class(const char* name, WINDOW_PROCEDURE procedure, COLOUR_VALUE background);
bool Is_Window_Class_Registered(const char* name);
// Forgets every class (tests).
void Unregister_Window_Classes();

// Creates a window: a child of `parent` with WINDOW_CHILD (its rectangle in
// the parent's client area), else a top-level window owned by `parent` (which
// may be NO_WINDOW; its rectangle on the screen). The procedure receives
// MSG_CREATE with `parameter`; a result of -1 destroys the window again.
// Returns NO_WINDOW on failure (unknown class or parent, reported).
WINDOW_HANDLE Create_Window(const char* class_name, const char* text, uint32_t style, const RECT_AREA& rect,
                            WINDOW_HANDLE parent, int32_t id, intptr_t parameter);
// Sends MSG_DESTROY, destroys the children, kills the timers and frees the
// window. False (and a report) for a handle that names no window.
bool Destroy_Window(WINDOW_HANDLE window);
bool Is_Window(WINDOW_HANDLE window);
// Destroys every window (tests, shutdown).
void Destroy_All_Windows();
int32_t Count_Windows();

// The class's procedure unless the window was subclassed.
WINDOW_PROCEDURE Get_Window_Procedure(WINDOW_HANDLE window);
// Puts `procedure` in front of the window's procedure and returns the one it
// replaces, which the new procedure calls for what it leaves alone.
WINDOW_PROCEDURE Subclass_Window(WINDOW_HANDLE window, WINDOW_PROCEDURE procedure);
intptr_t Call_Window_Procedure(WINDOW_PROCEDURE procedure, WINDOW_HANDLE window, uint32_t code,
                               uintptr_t wparam, intptr_t lparam);
// What a window does with a message its procedure leaves: close destroys it,
// paint validates it (after filling with the class colour), the rest is 0.
intptr_t Default_Window_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);

WINDOW_HANDLE Get_Parent_Window(WINDOW_HANDLE window);
WINDOW_HANDLE Get_Window_Owner(WINDOW_HANDLE window);
// The top-level window a window lies in (itself for a top-level window).
WINDOW_HANDLE Get_Top_Level_Window(WINDOW_HANDLE window);
int32_t Get_Window_Id(WINDOW_HANDLE window);
// The first child of `parent` with `id`, NO_WINDOW when none.
WINDOW_HANDLE Find_Child_Window(WINDOW_HANDLE parent, int32_t id);
std::vector<WINDOW_HANDLE> Get_Child_Windows(WINDOW_HANDLE parent);
// Visible-or-not top-level windows, bottom of the z-order first.
std::vector<WINDOW_HANDLE> Get_Top_Level_Windows();
std::string Get_Window_Class_Name(WINDOW_HANDLE window);
uint32_t Get_Window_Style(WINDOW_HANDLE window);
void Set_Window_Style(WINDOW_HANDLE window, uint32_t style);

void Set_Window_Text(WINDOW_HANDLE window, const char* text);
std::string Get_Window_Text(WINDOW_HANDLE window);

// The font a window draws its text with (nullptr: the layer's default). The
// window does not own it but holds it: a font deleted while windows still
// draw with it is freed when the last of them takes another font or goes.
// MSG_SET_FONT tells the window of a new one (lparam 1 asks it to repaint).
void Set_Window_Font(WINDOW_HANDLE window, DRAWING_FONT* font, bool redraw);
DRAWING_FONT* Get_Window_Font(WINDOW_HANDLE window);
// Hands a font to the window, which deletes it when it is destroyed (a
// dialog's own fonts live as long as the dialog).
void Keep_Font_With_Window(WINDOW_HANDLE window, DRAWING_FONT* font);

// Four numbers any window may keep (index 0-3); 0 when unset.
void Set_Window_Data(WINDOW_HANDLE window, int32_t index, intptr_t value);
intptr_t Get_Window_Data(WINDOW_HANDLE window, int32_t index);

// The window rectangle: on the screen for every window.
void Get_Window_Rect(WINDOW_HANDLE window, RECT_AREA* rect);
// (0, 0, client width, client height).
void Get_Client_Rect(WINDOW_HANDLE window, RECT_AREA* rect);
// Where the client area starts inside the window rectangle, and how much
// furniture surrounds it (left, top, right, bottom thickness).
void Get_Window_Frame(WINDOW_HANDLE window, RECT_AREA* frame);
void Client_To_Screen(WINDOW_HANDLE window, int32_t* x, int32_t* y);
void Screen_To_Client(WINDOW_HANDLE window, int32_t* x, int32_t* y);
// Moves and sizes a window (parent client coordinates for a child, screen
// for a top-level window); a new size sends MSG_SIZE and invalidates it.
void Move_Window(WINDOW_HANDLE window, const RECT_AREA& rect);

// How a top-level window lies on the screen: as placed, filling the work
// area, or put away. The frame sets it; the display follows it and reports
// the user's changes back.
enum WINDOW_SHOW_STATE : int32_t { SHOW_STATE_NORMAL, SHOW_STATE_MAXIMIZED, SHOW_STATE_MINIMIZED };
void Set_Window_Show_State(WINDOW_HANDLE window, int32_t state);
int32_t Get_Window_Show_State(WINDOW_HANDLE window);

// Shows or hides; a top-level window shown comes to the top.
void Show_Window(WINDOW_HANDLE window, bool show);
// The window's own flag.
bool Is_Window_Shown(WINDOW_HANDLE window);
// Shown, and every window it lies in shown too.
bool Is_Window_Visible(WINDOW_HANDLE window);
void Bring_Window_To_Top(WINDOW_HANDLE window);

// Returns whether the window was enabled before.
bool Enable_Window(WINDOW_HANDLE window, bool enable);
bool Is_Window_Enabled(WINDOW_HANDLE window);

// Focus and mouse capture; each returns the window that had it.
WINDOW_HANDLE Set_Focus(WINDOW_HANDLE window);
WINDOW_HANDLE Get_Focus();
WINDOW_HANDLE Set_Capture(WINDOW_HANDLE window);
void Release_Capture();
WINDOW_HANDLE Get_Capture();

// The layer's main window: the one the display shows and whose close box the
// user clicks. The first top-level window without an owner until set.
void Set_Primary_Window(WINDOW_HANDLE window);
WINDOW_HANDLE Get_Primary_Window();

// Marks a client rectangle (nullptr: all of it) for painting.
void Invalidate_Window(WINDOW_HANDLE window, const RECT_AREA* rect);
void Validate_Window(WINDOW_HANDLE window);
bool Is_Window_Invalid(WINDOW_HANDLE window);
// Sends the paint message at once when part of the window is invalid.
void Update_Window(WINDOW_HANDLE window);
// Invalidates the whole window and paints it at once; nothing for a handle
// that names no window (a window not made yet, or gone).
void Repaint_Window(WINDOW_HANDLE window);
// The first shown window with an invalid area (parents before children).
WINDOW_HANDLE Find_Window_Needing_Paint();

struct PAINT_INFO {
    RECT_AREA Rect; // the area to paint, client coordinates
};
// A context on the window's client picture, clipped to the invalid area,
// which becomes valid; the area is first given its background: what the
// parent shows under a transparent window, else MSG_ERASE_BACKGROUND (the
// class colour when the procedure leaves it). nullptr for a handle that
// names no window.
DEVICE_CONTEXT* Begin_Paint(WINDOW_HANDLE window, PAINT_INFO* paint);
void End_Paint(WINDOW_HANDLE window, PAINT_INFO* paint);

// A context on the window's client picture for drawing outside a paint
// message; each one taken is given back once with Release_Window_DC.
DEVICE_CONTEXT* Get_Window_DC(WINDOW_HANDLE window);
// 1 when given back; a context that is not out (the count would fall below
// 0) or a window that is gone is reported and changes nothing.
int Release_Window_DC(WINDOW_HANDLE window, DEVICE_CONTEXT* dc);
int32_t Count_Window_DCs(WINDOW_HANDLE window);
// The window's client picture (nullptr for no window).
const DRAWING_SURFACE* Get_Window_Surface(WINDOW_HANDLE window);

void Set_Window_Menu(WINDOW_HANDLE window, MENU_HANDLE menu);
MENU_HANDLE Get_Window_Menu(WINDOW_HANDLE window);
// The window rectangle of the menu bar, relative to the window's top-left.
bool Get_Menu_Bar_Rect(WINDOW_HANDLE window, RECT_AREA* rect);

// The deepest shown window under a screen point (top-level windows from the
// top of the z-order down); NO_WINDOW over nothing.
WINDOW_HANDLE Window_From_Point(int32_t x, int32_t y);

// The whole window, furniture and children, as it would look on the screen.
void Render_Window(WINDOW_HANDLE window, DRAWING_SURFACE* picture);
// Every shown top-level window in z-order over a black screen of the size given.
void Render_Screen(DRAWING_SURFACE* picture, int32_t width, int32_t height);
// The same for the part `area` of the screen (the picture takes its size).
void Render_Screen_Area(DRAWING_SURFACE* picture, const RECT_AREA& area);

// What may have changed on the screen since the display last looked: the
// whole screen, or a short list of screen rectangles (a window that painted
// part of itself). The display shows again only what changed, so a small
// repaint costs a small update.
constexpr int32_t SCREEN_CHANGE_AREA_LIMIT = 16;
struct SCREEN_CHANGES {
    bool All;
    std::vector<RECT_AREA> Areas; // screen coordinates; empty when All
};
// Hands over what changed and forgets it; false when nothing did.
bool Take_Screen_Changes(SCREEN_CHANGES* changes);
// The same, for a display that shows everything again whenever anything changed.
bool Take_Screen_Changed();
// Anything may have changed (windows moved, shown, hidden, restyled).
void Mark_Screen_Changed();
// Only this screen rectangle changed. Rectangles that overlap are joined;
// past SCREEN_CHANGE_AREA_LIMIT of them they become their bounding box.
void Mark_Screen_Area_Changed(const RECT_AREA& area);
