#pragma once
// The controls of the platform layer, drawn by our own code: push button,
// check box, radio button, group box, static text, frame and picture target,
// single- and multi-line edit, list box, drop-down combo box, list view in
// report mode, up-down, progress bar and size grip. Each is a window class
// whose name Get_Control_Class_Name gives; dialogs build them from their
// templates, and any window may create them as children.
//
// A control tells its parent what happened through:
// - MSG_COMMAND with its id and a NOTIFY_* code (buttons, lists, combos,
//   edits, statics), lparam the control;
// - MSG_NOTIFY with a NOTIFY_INFO (list views and their headers);
// - MSG_DRAW_ITEM and MSG_MEASURE_ITEM for owner-drawn lists and combos;
// - MSG_CONTROL_COLOUR_* before it paints, so the parent may choose its
//   background brush and text colour;
// - MSG_VERTICAL_SCROLL from an up-down.
// Every control keeps its state from MSG_CREATE to MSG_DESTROY and frees it
// exactly once; Count_Live_Control_States tells how many are held.
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/handles.h"

// Style bits of the controls (the class range of the window style; the
// first three are in dialogs.h: default button, hidden, centred text).
constexpr uint32_t CONTROL_OWNER_DRAW = 0x80000;       // lists, combos: the parent draws the items
constexpr uint32_t CONTROL_MULTI_SELECT = 0x100000;    // lists: any number of items selected
constexpr uint32_t CONTROL_TAB_STOPS = 0x200000;       // list boxes: tabs go to the set stops
constexpr uint32_t CONTROL_SORTED = 0x400000;          // list and combo boxes: items kept in order
constexpr uint32_t CONTROL_MULTI_LINE = 0x800000;      // edits
constexpr uint32_t CONTROL_READ_ONLY = 0x1000000;      // edits
constexpr uint32_t CONTROL_NUMBER = 0x2000000;         // edits: digits only
constexpr uint32_t CONTROL_WANT_RETURN = 0x4000000;    // multi-line edits: Enter breaks the line
constexpr uint32_t CONTROL_RIGHT_TEXT = 0x8000000;     // statics, edits: text to the right
constexpr uint32_t CONTROL_AUTO_BUDDY = 0x10000000;    // up-downs: the control made before is the buddy
constexpr uint32_t CONTROL_BUDDY_INTEGER = 0x20000000; // up-downs: the buddy shows the position
constexpr uint32_t CONTROL_NOTIFY = 0x40000000;        // statics report clicks
constexpr uint32_t CONTROL_GROUP = 0x80000000;         // starts a group of radio buttons

// Notification codes of MSG_COMMAND (with NOTIFY_BUTTON_CLICKED of window_messages.h).
constexpr uint32_t NOTIFY_STATIC_CLICKED = 0x41;
constexpr uint32_t NOTIFY_LIST_SELECTION_CHANGE = 0x11;
constexpr uint32_t NOTIFY_LIST_DOUBLE_CLICK = 0x12;
constexpr uint32_t NOTIFY_LIST_SET_FOCUS = 0x13;
constexpr uint32_t NOTIFY_LIST_KILL_FOCUS = 0x14;
constexpr uint32_t NOTIFY_COMBO_SELECTION_CHANGE = 0x21;
constexpr uint32_t NOTIFY_COMBO_DROP_DOWN = 0x22;
constexpr uint32_t NOTIFY_COMBO_CLOSE_UP = 0x23;
constexpr uint32_t NOTIFY_COMBO_SET_FOCUS = 0x24;
constexpr uint32_t NOTIFY_COMBO_KILL_FOCUS = 0x25;
constexpr uint32_t NOTIFY_EDIT_CHANGE = 0x31;
constexpr uint32_t NOTIFY_EDIT_SET_FOCUS = 0x32;
constexpr uint32_t NOTIFY_EDIT_KILL_FOCUS = 0x33;
constexpr uint32_t NOTIFY_EDIT_MAX_TEXT = 0x34;

// Notification codes of MSG_NOTIFY.
constexpr uint32_t NOTIFY_CLICK = 1;
constexpr uint32_t NOTIFY_DOUBLE_CLICK = 2;
constexpr uint32_t NOTIFY_RIGHT_CLICK = 3;
constexpr uint32_t NOTIFY_SET_FOCUS = 4;
constexpr uint32_t NOTIFY_KILL_FOCUS = 5;
constexpr uint32_t NOTIFY_ITEM_CHANGED = 0x101; // Item, New_State, Old_State, Changed
constexpr uint32_t NOTIFY_COLUMN_CLICK = 0x102; // Sub_Item: the column's sub-item number
constexpr uint32_t NOTIFY_KEY_DOWN = 0x103;     // Key
constexpr uint32_t NOTIFY_HEADER_RIGHT_CLICK = 0x201;
constexpr uint32_t NOTIFY_HEADER_END_DRAG = 0x202;  // Sub_Item moved to display place Item
constexpr uint32_t NOTIFY_HEADER_END_TRACK = 0x203; // Sub_Item's column resized

struct NOTIFY_INFO {
    WINDOW_HANDLE From;
    int32_t From_Id;
    uint32_t Code;
    int32_t Item;     // -1 for none
    int32_t Sub_Item; // -1 for none
    uint32_t New_State;
    uint32_t Old_State;
    uint32_t Changed; // the state bits that changed
    intptr_t Item_Data;
    int32_t X; // the pointer, in the sending control's client area
    int32_t Y;
    uint32_t Key;
};

// Item states (list views, owner drawing).
constexpr uint32_t ITEM_SELECTED = 0x1;
constexpr uint32_t ITEM_FOCUSED = 0x2;
constexpr uint32_t ITEM_DISABLED = 0x4;
// Drawn as the face of a combo box rather than in its list.
constexpr uint32_t ITEM_COMBO_FACE = 0x1000;

struct DRAW_ITEM_INFO {
    CONTROL_KIND Control_Kind;
    int32_t Control_Id;
    int32_t Item; // -1: no item (an empty list or combo face)
    uint32_t State;
    WINDOW_HANDLE Control;
    DEVICE_CONTEXT* Dc;
    RECT_AREA Rect;
    intptr_t Item_Data;
};

struct MEASURE_ITEM_INFO {
    CONTROL_KIND Control_Kind;
    int32_t Control_Id;
    int32_t Item;
    int32_t Item_Width;
    int32_t Item_Height; // the parent fills it in
    intptr_t Item_Data;
};

// Registers every control class.
void Register_Controls();
// Control states held now (each control holds one while it lives).
int32_t Count_Live_Control_States();
// The kind of control a window is, or CONTROL_KIND_COUNT for none.
CONTROL_KIND Get_Control_Kind(WINDOW_HANDLE window);

// Where a control lays out its own text (client coordinates) and the layout
// flags of Draw_Text_In_Rect it lays it out with: the label of a push
// button, check box or radio button, a group box's caption, a static's text,
// the chosen item on the face of a combo box that draws its own items. False
// for the kinds whose text scrolls or comes in rows (edits, lists, list
// views), for owner-drawn faces and for the kinds that show no text.
bool Get_Control_Text_Layout(WINDOW_HANDLE control, RECT_AREA* area, uint32_t* flags);

// Messages every button takes (push buttons, check boxes, radio buttons).
constexpr uint32_t MSG_BUTTON_GET_CHECK = 0x0400; // 0 unchecked, 1 checked, 2 indeterminate
constexpr uint32_t MSG_BUTTON_SET_CHECK = 0x0401; // wparam: the state
constexpr uint32_t MSG_BUTTON_CLICK = 0x0402;     // as if the user clicked it
constexpr int32_t BUTTON_UNCHECKED = 0;
constexpr int32_t BUTTON_CHECKED = 1;
constexpr int32_t BUTTON_INDETERMINATE = 2;
// A check box's or radio button's state; 0 for no such control.
int32_t Is_Dialog_Button_Checked(WINDOW_HANDLE dialog, int32_t id);
void Check_Dialog_Button(WINDOW_HANDLE dialog, int32_t id, int32_t state);
// Checks `id` and unchecks the other radio buttons first .. last.
void Check_Radio_Button(WINDOW_HANDLE dialog, int32_t first, int32_t last, int32_t id);

// Static pictures: the picture a static image target shows stretched over
// itself (the control keeps a copy; nullptr clears it).
constexpr uint32_t MSG_STATIC_SET_PICTURE = 0x0420; // lparam: const DRAWING_SURFACE*

// Progress bars.
constexpr uint32_t MSG_PROGRESS_SET_RANGE = 0x0800;    // wparam: low, lparam: high
constexpr uint32_t MSG_PROGRESS_SET_STEP = 0x0801;     // wparam: step; returns the former step
constexpr uint32_t MSG_PROGRESS_STEP = 0x0802;         // advances by the step, kept in the range
constexpr uint32_t MSG_PROGRESS_SET_POSITION = 0x0803; // returns the former position
constexpr uint32_t MSG_PROGRESS_GET_POSITION = 0x0804;

// Up-downs: a pair of arrow buttons; each press moves the position one step
// up or down within the range and sends the parent MSG_VERTICAL_SCROLL with
// the new position (also when the end of the range held it).
constexpr uint32_t MSG_UP_DOWN_SET_RANGE = 0x0640; // wparam: low, lparam: high
constexpr uint32_t MSG_UP_DOWN_GET_RANGE = 0x0641; // low in the low 16 bits, high in the next
constexpr uint32_t MSG_UP_DOWN_SET_POSITION = 0x0642;
constexpr uint32_t MSG_UP_DOWN_GET_POSITION = 0x0643;
constexpr uint32_t MSG_UP_DOWN_SET_BUDDY = 0x0644; // wparam: the buddy window
constexpr uint32_t MSG_UP_DOWN_GET_BUDDY = 0x0645;

// The text of a control as an integer ("-12", " 3"); false when it is none.
bool Get_Dialog_Item_Integer(WINDOW_HANDLE dialog, int32_t id, int32_t* value);
void Set_Dialog_Item_Integer(WINDOW_HANDLE dialog, int32_t id, int32_t value);
