#pragma once
// Dialogs built from C++ templates: a caption, a size in dialog units, a font
// and a table of controls. A modal dialog runs its own message loop until its
// procedure ends it, with its owner disabled meanwhile; Escape and Enter map
// to cancel and the default button; closing it, or the program being asked
// to quit, ends it with the template's closed result. A modeless dialog lives
// in the loops that are already running.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/handles.h"
#include "platform/message_queue.h"

enum CONTROL_KIND : int32_t {
    CONTROL_PUSH_BUTTON,
    CONTROL_CHECK_BOX,
    CONTROL_RADIO_BUTTON,
    CONTROL_GROUP_BOX,
    CONTROL_STATIC_TEXT,
    CONTROL_STATIC_FRAME,
    CONTROL_STATIC_IMAGE,
    CONTROL_EDIT,
    CONTROL_LIST_BOX,
    CONTROL_COMBO_BOX,
    CONTROL_LIST_VIEW,
    CONTROL_UP_DOWN,
    CONTROL_PROGRESS_BAR,
    CONTROL_SIZE_GRIP,
    CONTROL_KIND_COUNT
};

// Class names of the controls (controls.h): "Button", "CheckBox",
// "RadioButton", "GroupBox", "Static", "StaticFrame", "StaticImage", "Edit",
// "ListBox", "ComboBox", "ListView", "UpDown", "ProgressBar", "SizeGrip".
const char* Get_Control_Class_Name(CONTROL_KIND kind);

// Control style bits (in the class's range of the window style).
constexpr uint32_t CONTROL_DEFAULT_BUTTON = 0x10000; // Enter presses it
constexpr uint32_t CONTROL_HIDDEN = 0x20000;         // created hidden
constexpr uint32_t CONTROL_CENTRE_TEXT = 0x40000;
// Controls without an id of their own (frames, labels) share this one.
constexpr int32_t UNNAMED_CONTROL = -1;

// A rectangle in dialog units: 4 units make the average character width of
// the dialog font, 8 units its line height.
struct DIALOG_UNIT_RECT {
    int32_t X;
    int32_t Y;
    int32_t Width;
    int32_t Height;
};

struct DIALOG_CONTROL {
    CONTROL_KIND Kind;
    int32_t Id;
    DIALOG_UNIT_RECT Rect;
    const char* Text;
    uint32_t Style; // WINDOW_TAB_STOP, WINDOW_DISABLED and CONTROL_* bits
};

struct DIALOG_TEMPLATE {
    int32_t Id;
    const char* Caption;
    int32_t Width; // dialog units
    int32_t Height;
    const char* Font_Name;
    int32_t Font_Size;
    uint32_t Style; // WINDOW_CAPTION and WINDOW_BORDER
    const DIALOG_CONTROL* Controls;
    int32_t Control_Count;
    // The result of a dialog closed without a choice (the close box, Escape
    // without a cancel handler's own answer, or the program quitting).
    intptr_t Closed_Result;
};

// Dialog units to pixels of the layer's dialog font (6 x 13 pixel base units).
int32_t Dialog_Units_To_Pixels_X(int32_t units);
int32_t Dialog_Units_To_Pixels_Y(int32_t units);

// A dialog procedure returns nonzero for a message it handled; for
// MSG_INIT_DIALOG nonzero asks for the default focus; for the colour
// messages the brush to paint with. The dialog's background is the brush
// its procedure answers to MSG_CONTROL_COLOUR_DIALOG, or the dialog colour.
using DIALOG_PROCEDURE = intptr_t (*)(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);

// Runs the dialog modally and returns what its procedure gave End_Dialog, or
// the template's closed result. With a backend that answers from a script,
// the dialog is built and initialised, then ended with the scripted answer,
// or driven by scripted input when there is some, else closed.
// While it runs its owner and every window that owns the owner are disabled.
// Asked for over a window that an open modal dialog keeps from input (the
// main window under a dialog), it is owned by the innermost modal dialog
// instead, so it lies above that one and nothing under it takes input.
intptr_t Run_Modal_Dialog(WINDOW_HANDLE owner, const DIALOG_TEMPLATE& dialog_template,
                          DIALOG_PROCEDURE procedure, intptr_t parameter);
// Creates a modeless dialog, shown unless its procedure hid it; NO_WINDOW on failure.
WINDOW_HANDLE Create_Modeless_Dialog(WINDOW_HANDLE owner, const DIALOG_TEMPLATE& dialog_template,
                                     DIALOG_PROCEDURE procedure, intptr_t parameter);
// Ends a modal dialog with `result` (its loop returns it); false for a window
// that is no dialog.
bool End_Dialog(WINDOW_HANDLE dialog, intptr_t result);
bool Is_Dialog(WINDOW_HANDLE window);
// The id of the template a dialog was built from (0 for no dialog).
int32_t Get_Dialog_Template_Id(WINDOW_HANDLE dialog);
// The modal dialogs open now, the innermost last.
std::vector<WINDOW_HANDLE> Get_Open_Modal_Dialogs();
// The innermost modal dialog still open, NO_WINDOW when none is.
WINDOW_HANDLE Get_Innermost_Modal_Dialog();
// Whether an open modal dialog keeps input from `window`: the window lies
// neither in the innermost modal dialog nor in a window that dialog owns.
bool Is_Window_Under_Modal_Dialog(WINDOW_HANDLE window);

WINDOW_HANDLE Get_Dialog_Item(WINDOW_HANDLE dialog, int32_t id);
void Set_Dialog_Item_Text(WINDOW_HANDLE dialog, int32_t id, const char* text);
std::string Get_Dialog_Item_Text(WINDOW_HANDLE dialog, int32_t id);
intptr_t Send_Dialog_Item_Message(WINDOW_HANDLE dialog, int32_t id, uint32_t code, uintptr_t wparam,
                                  intptr_t lparam);
// Centres a top-level window over its owner (the work area without one),
// kept inside the work area.
void Centre_Window_Over_Owner(WINDOW_HANDLE window);
// The same over any window (NO_WINDOW: the work area).
void Centre_Window_Over(WINDOW_HANDLE window, WINDOW_HANDLE over);
// What the dialog answers for the message its procedure is handling, when
// it must answer more than "handled" (a hit-test code, a colour brush): the
// procedure sets it and returns nonzero. False for a window that is no dialog.
bool Set_Dialog_Message_Result(WINDOW_HANDLE dialog, intptr_t result);

// Checks a template: ids unique (unnamed ones apart), every control inside
// the dialog, and every id in `used_ids` present. Returns true, or false with
// the first problem in `problem`.
bool Validate_Dialog_Template(const DIALOG_TEMPLATE& dialog_template, const std::vector<int32_t>& used_ids,
                              std::string* problem);
