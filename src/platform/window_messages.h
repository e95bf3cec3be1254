#pragma once
// Message codes of the platform layer and the packing of their parameters.
// The frame adds its own codes from MSG_FIRST_APP on.
#include <cstdint>

constexpr uint32_t MSG_NULL = 0;
constexpr uint32_t MSG_QUIT = 1;
constexpr uint32_t MSG_TIMER = 2;       // wparam: timer id
constexpr uint32_t MSG_CREATE = 3;      // lparam: the creation parameter; -1 refuses the window
constexpr uint32_t MSG_DESTROY = 4;     // the window is going; its children still exist
constexpr uint32_t MSG_CLOSE = 5;       // the user asked to close the window
constexpr uint32_t MSG_PAINT = 6;       // part of the client area is invalid
constexpr uint32_t MSG_SIZE = 7;        // wparam: client width, lparam: client height
constexpr uint32_t MSG_MOVE = 8;        // lparam: packed position of the client area
constexpr uint32_t MSG_COMMAND = 9;     // wparam: id | notification << 16, lparam: control or 0
constexpr uint32_t MSG_KEY_DOWN = 10;   // wparam: KEY_* code, lparam: KEY_MODIFIER_* bits
constexpr uint32_t MSG_KEY_UP = 11;     // as MSG_KEY_DOWN
constexpr uint32_t MSG_CHAR = 12;       // wparam: the character (Windows-1252)
constexpr uint32_t MSG_MOUSE_MOVE = 13; // lparam: packed client position; wparam: MOUSE_* buttons
constexpr uint32_t MSG_LBUTTON_DOWN = 14;
constexpr uint32_t MSG_LBUTTON_UP = 15;
constexpr uint32_t MSG_LBUTTON_DOUBLE = 16;
constexpr uint32_t MSG_RBUTTON_DOWN = 17;
constexpr uint32_t MSG_RBUTTON_UP = 18;
constexpr uint32_t MSG_MOUSE_WHEEL = 19; // wparam: signed steps, lparam: packed client position
constexpr uint32_t MSG_INIT_DIALOG = 20; // lparam: the dialog's parameter; true sets the default focus
constexpr uint32_t MSG_ENTER_SIZE_MOVE = 21;
constexpr uint32_t MSG_SIZING = 22; // wparam: SIZING_EDGE_*, lparam: RECT_AREA* to adjust
constexpr uint32_t MSG_EXIT_SIZE_MOVE = 23;
constexpr uint32_t MSG_SET_FOCUS = 24;
constexpr uint32_t MSG_KILL_FOCUS = 25;
constexpr uint32_t MSG_ENABLE = 26;         // wparam: 1 enabled, 0 disabled
constexpr uint32_t MSG_SHOW = 27;           // wparam: 1 shown, 0 hidden
constexpr uint32_t MSG_CONTROL_COLOUR = 28; // wparam: DEVICE_CONTEXT*, lparam: the control
constexpr uint32_t MSG_NOTIFY = 29;         // wparam: control id, lparam: notification record
constexpr uint32_t MSG_DRAW_ITEM = 30;      // wparam: control id, lparam: drawing record
constexpr uint32_t MSG_MEASURE_ITEM = 31;
constexpr uint32_t MSG_SET_TEXT = 32; // lparam: const char*; sent after the text changed
constexpr uint32_t MSG_CAPTURE_LOST = 33;
constexpr uint32_t MSG_MENU_BAR_CLICK = 34; // wparam: the title's position in the menu bar
constexpr uint32_t MSG_FIRST_APP = 0x1000;

// Sizing edges of MSG_SIZING.
constexpr uintptr_t SIZING_EDGE_LEFT = 1;
constexpr uintptr_t SIZING_EDGE_RIGHT = 2;
constexpr uintptr_t SIZING_EDGE_TOP = 3;
constexpr uintptr_t SIZING_EDGE_TOP_LEFT = 4;
constexpr uintptr_t SIZING_EDGE_TOP_RIGHT = 5;
constexpr uintptr_t SIZING_EDGE_BOTTOM = 6;
constexpr uintptr_t SIZING_EDGE_BOTTOM_LEFT = 7;
constexpr uintptr_t SIZING_EDGE_BOTTOM_RIGHT = 8;

// Mouse buttons held, in wparam of the mouse messages.
constexpr uintptr_t MOUSE_LEFT_HELD = 1;
constexpr uintptr_t MOUSE_RIGHT_HELD = 2;

// Dialog results and command ids the layer itself gives meaning to.
constexpr int32_t ID_OK = 1;
constexpr int32_t ID_CANCEL = 2;

// Notification of a push button in MSG_COMMAND.
constexpr uint32_t NOTIFY_BUTTON_CLICKED = 0;
// Command ids sent by accelerators carry this notification.
constexpr uint32_t NOTIFY_ACCELERATOR = 1;

// A client position packed into a message parameter: x in the low 16 bits,
// y in the next 16, both signed.
constexpr intptr_t Pack_Point(int32_t x, int32_t y) {
    return static_cast<intptr_t>((static_cast<uint32_t>(x) & 0xFFFFu) |
                                 ((static_cast<uint32_t>(y) & 0xFFFFu) << 16));
}
constexpr int32_t Point_X(intptr_t packed) {
    return static_cast<int16_t>(static_cast<uint32_t>(packed) & 0xFFFFu);
}
constexpr int32_t Point_Y(intptr_t packed) {
    return static_cast<int16_t>((static_cast<uint32_t>(packed) >> 16) & 0xFFFFu);
}
constexpr uintptr_t Pack_Command(int32_t id, uint32_t notification) {
    return (static_cast<uintptr_t>(id) & 0xFFFFu) | (static_cast<uintptr_t>(notification) << 16);
}
constexpr int32_t Command_Id(uintptr_t wparam) {
    return static_cast<int32_t>(wparam & 0xFFFFu);
}
constexpr uint32_t Command_Notification(uintptr_t wparam) {
    return static_cast<uint32_t>((wparam >> 16) & 0xFFFFu);
}
