#pragma once
// What the dialogs share: their bold control font, centring, the minimum
// size and the layout of a dialog the user resizes, its size grip, the
// rectangles of its controls and repainting, and the build date line of the
// About dialog.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/drawing_shapes.h"
#include "platform/drawing_surface.h"
#include "platform/handles.h"

// Gives every control of the dialog a bold font of the height of the
// dialog's own characters; the dialog keeps the font and deletes it when it
// closes.
void Set_Dialog_Control_Fonts(WINDOW_HANDLE dialog);
// Gives the listed controls application font `row` (taken for the call and
// given back: the font table keeps it).
void Set_Dialog_Controls_App_Font(WINDOW_HANDLE dialog, int32_t row, std::initializer_list<int32_t> ids);
// Gives control `id` application font `row`, or, when its text does not fit
// the place the control lays it out in, the largest smaller font of the
// text box in which it does.
void Set_Fitting_Control_App_Font(WINDOW_HANDLE dialog, int32_t id, int32_t row);
// A text a control may come to show.
struct CONTROL_TEXT {
    int32_t Id;
    std::string Text;
};
// Gives every control named in `texts` application font `row`. A scaled row
// grows with the main window while a dialog keeps its size: when a text does
// not fit the place its control lays it out in, in that font, they all get a
// font of the dialog's own instead (kept with the dialog), the largest no
// larger than the row in which every text fits.
void Set_Fitting_Controls_Font(WINDOW_HANDLE dialog, const std::vector<CONTROL_TEXT>& texts, int32_t row);
// Centres the window over `parent`, then moves it inside the work area.
void Center_Window_Over_Parent(WINDOW_HANDLE window, WINDOW_HANDLE parent);
// The top-left pixel that centres a width x height box on the point (x, y)
// given in dialog units.
void Center_In_Dialog_Units(int32_t width, int32_t height, int32_t x, int32_t y, POINT_XY* point);
// Holds a dialog being resized (MSG_SIZING from `edge`) to its starting
// size: the height may grow with flag 1, the width with flag 2; the edge the
// user drags is the one put back. Returns 1.
constexpr int32_t GROW_HEIGHT = 1;
constexpr int32_t GROW_WIDTH = 2;
int32_t Enforce_Minimum_Dialog_Size(RECT_AREA* new_rect, const RECT_AREA& starting_rect, int32_t edge,
                                    int32_t flags);

// The layout of a resizable dialog: the controls that follow its bottom edge
// and the one list that stretches.
constexpr int32_t DIALOG_LAYOUT_MAX_CONTROLS = 16;
struct DIALOG_LAYOUT_STATE {
    int32_t Control_Count;
    int32_t Control_Ids[DIALOG_LAYOUT_MAX_CONTROLS];
    RECT_AREA Control_Rects[DIALOG_LAYOUT_MAX_CONTROLS]; // dialog client coordinates
    int32_t List_Id;
    RECT_AREA List_Rect;
    RECT_AREA Captured_Rect; // the dialog's window rectangle when captured
    RECT_AREA Remembered_Rect;
    int32_t Remembered;
    RECT_AREA Unit_Rect; // pixels of 4 x 8 dialog units; its height is a list row
};
enum DIALOG_LAYOUT_MODE : int32_t {
    LAYOUT_CAPTURE = 1,  // record the listed controls and the dialog; move it to the work area's corner
    LAYOUT_FIT_ROWS = 3, // grow the dialog until the list shows all its rows (then as 5)
    LAYOUT_ARRANGE = 4,  // move the listed controls and stretch the list to the dialog's height
    LAYOUT_ARRANGE_AND_PAINT = 5,
    LAYOUT_REMEMBER = 6, // keep the dialog's rectangle
    LAYOUT_CLEAR = 7,    // empty the state and measure the dialog units
};
void Update_Dialog_Layout(WINDOW_HANDLE dialog, DIALOG_LAYOUT_STATE* state, int32_t mode);
// Lists a control that follows the bottom edge; false when the list is full.
bool Add_Dialog_Layout_Control(DIALOG_LAYOUT_STATE* state, int32_t id);

// For MSG_HIT_TEST of a resizable dialog: in the bottom-right square of its
// client area the dialog answers the sizing corner and 1 is returned.
int32_t Hit_Test_Size_Grip(WINDOW_HANDLE dialog, int32_t screen_x, int32_t screen_y);
void Get_Size_Grip_Rect(WINDOW_HANDLE window, RECT_AREA* rect);
// The size-grip glyph in that square, while the window shows normally.
void Draw_Size_Grip(WINDOW_HANDLE window, DEVICE_CONTEXT* dc);

// A control's rectangle in the dialog's client coordinates ({0,0,0,0} for none).
void Get_Dialog_Item_Rect(WINDOW_HANDLE dialog, int32_t control_id, RECT_AREA* rect);
// Both corners from the screen to the window's client coordinates.
void Screen_To_Client_Rect(WINDOW_HANDLE window, RECT_AREA* rect);
// Paints the part of the dialog under a control again, at once.
void Redraw_Control_Area(WINDOW_HANDLE dialog, int32_t control_id);
void Redraw_Window(WINDOW_HANDLE window);

// The About dialog's static 1480: "Created: <weekday>, <month> <day>, <year>"
// of the program file's last change.
constexpr int32_t BUILD_DATE_TEXT = 1480;
void Show_Build_Date(WINDOW_HANDLE dialog);
// The same line for a time (seconds since 1970, local time).
void Format_Build_Date(int64_t when, char* buffer, int32_t size);
