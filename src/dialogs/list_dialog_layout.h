#pragma once
// The layout of a resizable player-list dialog: controls anchored to its
// bottom or right edge, controls that stretch with it, and a column of
// controls at its right, recorded from the template once and moved as the
// user sizes the dialog.
#include <cstdint>

#include "platform/drawing_surface.h"
#include "platform/handles.h"

constexpr int32_t LIST_LAYOUT_ANCHORED = 16;
constexpr int32_t LIST_LAYOUT_STACKED = 8;

// Each id list ends at its first zero. Anchored control i takes its id from
// the first of the three lists that has one at index i: it moves down by the
// whole height change, by half of it, or not at all; and right by the whole
// width change when its Move_Right flag is set. Stretched controls share the
// height change from top to bottom and take the whole width change;
// right-hand controls share the height change the same way and move right
// by the whole width change.
struct LIST_DIALOG_LAYOUT {
    RECT_AREA Dialog_Rect;     // the dialog's window rectangle when recorded
    RECT_AREA Remembered_Rect; // where the user left it
    int32_t Maximised;         // 1 once a rectangle is remembered
    RECT_AREA Unit_Rect;       // pixels of 4 x 8 dialog units
    int32_t Move_Down_Ids[LIST_LAYOUT_ANCHORED];
    int32_t Move_Half_Ids[LIST_LAYOUT_ANCHORED];
    int32_t Stay_Ids[LIST_LAYOUT_ANCHORED];
    int32_t Move_Right[LIST_LAYOUT_ANCHORED];
    int32_t Stretched_Ids[LIST_LAYOUT_STACKED];
    int32_t Right_Ids[LIST_LAYOUT_STACKED];
    // Client rectangles recorded by mode 1.
    RECT_AREA Anchored_Rects[LIST_LAYOUT_ANCHORED];
    RECT_AREA Stretched_Rects[LIST_LAYOUT_STACKED];
    RECT_AREA Right_Rects[LIST_LAYOUT_STACKED];
};

enum LIST_LAYOUT_MODE : int32_t {
    LIST_LAYOUT_RECORD = 1,   // record the controls and the dialog; move it to the work area's corner
    LIST_LAYOUT_GROW = 2,     // grow to the main window's height, or go back where the user left it
    LIST_LAYOUT_ARRANGE = 4,  // move the controls for the dialog's size
    LIST_LAYOUT_RESIZED = 5,  // the same once the size changed, then remember and repaint
    LIST_LAYOUT_REMEMBER = 6, // remember the dialog's rectangle
    LIST_LAYOUT_CLEAR = 7,    // empty the record (the id lists too) and measure the dialog units
};

void Update_List_Dialog_Layout(WINDOW_HANDLE dialog, LIST_DIALOG_LAYOUT* layout, int32_t mode);

// What a resizable list dialog does with the sizing messages: it cannot be
// made smaller than its template, its size grip is painted and hit-tested,
// and the end of a move or size lays the controls out again. True when the
// message was one of them (the dialog's answer is set).
bool Handle_List_Dialog_Sizing(WINDOW_HANDLE dialog, LIST_DIALOG_LAYOUT* layout, uint32_t code,
                               uintptr_t wparam, intptr_t lparam);
