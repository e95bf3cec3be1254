#include "platform/input.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/menus.h"
#include "platform/message_queue.h"
#include "platform/rect_math.h"
#include "platform/text_encoding.h"
#include "platform/windows.h"

namespace {
// A top-level window being moved by its caption or sized by its bottom-right
// corner: the drag follows the pointer until the button comes up.
struct WINDOW_DRAG {
    WINDOW_HANDLE Window = NO_WINDOW;
    bool Sizing = false;
    int32_t Start_X = 0;
    int32_t Start_Y = 0;
    RECT_AREA Start_Rect{};
};
WINDOW_DRAG drag;
int32_t pointer_x = 0;
int32_t pointer_y = 0;

void Begin_Window_Drag(WINDOW_HANDLE window, bool sizing, int32_t x, int32_t y) {
    drag.Window = window;
    drag.Sizing = sizing;
    drag.Start_X = x;
    drag.Start_Y = y;
    Get_Window_Rect(window, &drag.Start_Rect);
    Send_Window_Message(window, MSG_ENTER_SIZE_MOVE, 0, 0);
}

// True while a drag takes the mouse.
bool Follow_Window_Drag(uint32_t code, int32_t x, int32_t y) {
    if (drag.Window == NO_WINDOW) return false;
    const WINDOW_HANDLE window = drag.Window;
    if (!Is_Window(window)) {
        drag.Window = NO_WINDOW;
        return false;
    }
    if (code == MSG_MOUSE_MOVE || code == MSG_LBUTTON_UP) {
        const RECT_AREA& from = drag.Start_Rect;
        const int32_t dx = x - drag.Start_X, dy = y - drag.Start_Y;
        RECT_AREA rect = drag.Sizing ? RECT_AREA{from.Left, from.Top, from.Right + dx, from.Bottom + dy}
                                     : Offset_Rect(from, dx, dy);
        if (drag.Sizing) {
            Send_Window_Message(window, MSG_SIZING, SIZING_EDGE_BOTTOM_RIGHT,
                                reinterpret_cast<intptr_t>(&rect));
            rect.Right = std::max(rect.Right, rect.Left + 1);
            rect.Bottom = std::max(rect.Bottom, rect.Top + 1);
        }
        if (Is_Window(window)) Move_Window(window, rect);
    }
    if (code == MSG_LBUTTON_UP) {
        drag.Window = NO_WINDOW;
        if (Is_Window(window)) Send_Window_Message(window, MSG_EXIT_SIZE_MOVE, 0, 0);
    }
    return true;
}

// The top-level window that takes the keyboard when nothing has the focus:
// the topmost shown one that takes input.
WINDOW_HANDLE Topmost_Enabled_Window() {
    std::vector<WINDOW_HANDLE> tops = Get_Top_Level_Windows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (Is_Window_Shown(*it) && Is_Window_Taking_Input(*it) &&
            (Get_Window_Style(*it) & WINDOW_POPUP) == 0)
            return *it;
    return NO_WINDOW;
}

bool Is_Popup(WINDOW_HANDLE window) {
    return (Get_Window_Style(window) & WINDOW_POPUP) != 0;
}

// True when the click fell on the menu bar of `top` (and was handled there).
bool Handle_Menu_Bar_Click(WINDOW_HANDLE top, uint32_t code, int32_t x, int32_t y) {
    RECT_AREA bar;
    if (!Get_Menu_Bar_Rect(top, &bar)) return false;
    RECT_AREA window;
    Get_Window_Rect(top, &window);
    const RECT_AREA on_screen = Offset_Rect(bar, window.Left, window.Top);
    if (!Is_Point_In_Rect(on_screen, x, y)) return false;
    if (code == MSG_LBUTTON_DOWN) {
        const int32_t title = Find_Menu_Bar_Title(Get_Window_Menu(top), x - on_screen.Left);
        if (title >= 0) Post_Window_Message(top, MSG_MENU_BAR_CLICK, static_cast<uintptr_t>(title), 0);
    }
    return true;
}
} // namespace

void Get_Pointer_Position(int32_t* x, int32_t* y) {
    if (x != nullptr) *x = pointer_x;
    if (y != nullptr) *y = pointer_y;
}

bool Is_Window_Taking_Input(WINDOW_HANDLE window) {
    const WINDOW_HANDLE top = Get_Top_Level_Window(window);
    return top != NO_WINDOW && Is_Window_Enabled(top) && !Is_Window_Under_Modal_Dialog(top);
}

void Route_Mouse_Event(uint32_t code, int32_t x, int32_t y, uintptr_t buttons) {
    pointer_x = x;
    pointer_y = y;
    if (Follow_Window_Drag(code, x, y)) return;
    WINDOW_HANDLE target = Get_Capture();
    // A window that held the mouse when a modal dialog came over it lets go.
    if (target != NO_WINDOW && !Is_Window_Taking_Input(target)) {
        Release_Capture();
        target = NO_WINDOW;
    }
    if (target == NO_WINDOW) {
        target = Window_From_Point(x, y);
        if (target == NO_WINDOW) return;
        const WINDOW_HANDLE top = Get_Top_Level_Window(target);
        if (!Is_Window_Taking_Input(top)) {
            // As on a desktop, a press on a window under a modal dialog only
            // brings that dialog to the front.
            const WINDOW_HANDLE modal = Get_Innermost_Modal_Dialog();
            if ((code == MSG_LBUTTON_DOWN || code == MSG_RBUTTON_DOWN) && modal != NO_WINDOW)
                Bring_Window_To_Top(modal);
            return;
        }
        if (target == top && Handle_Menu_Bar_Click(top, code, x, y)) return;
        int32_t cx = x, cy = y;
        Screen_To_Client(target, &cx, &cy);
        RECT_AREA client;
        Get_Client_Rect(target, &client);
        if (!Is_Point_In_Rect(client, cx, cy)) {
            // The caption of a window the display does not frame itself moves it.
            if (code == MSG_LBUTTON_DOWN && target == top && top != Get_Primary_Window() &&
                (Get_Window_Style(top) & WINDOW_CAPTION) != 0 && cy < 0) {
                Bring_Window_To_Top(top);
                Begin_Window_Drag(top, false, x, y);
            }
            return;
        }
        if (!Is_Window_Enabled(target)) return;
        intptr_t hit = Send_Window_Message(target, MSG_HIT_TEST, 0, Pack_Point(x, y));
        // A window transparent to the mouse (a plain label) lets its parent have it.
        while (hit == HIT_TRANSPARENT && target != top && Is_Window(target)) {
            target = Get_Parent_Window(target);
            hit = Send_Window_Message(target, MSG_HIT_TEST, 0, Pack_Point(x, y));
        }
        if (!Is_Window(target)) return;
        if (code == MSG_LBUTTON_DOWN && top != Get_Primary_Window() && hit == HIT_BOTTOM_RIGHT) {
            Bring_Window_To_Top(top);
            Begin_Window_Drag(top, true, x, y);
            return;
        }
        if (code == MSG_LBUTTON_DOWN || code == MSG_RBUTTON_DOWN) {
            if (!Is_Popup(top)) Bring_Window_To_Top(top);
            if ((Get_Window_Style(target) & WINDOW_TAB_STOP) != 0)
                Set_Focus(target);
            else if (!Is_Popup(top) && Get_Top_Level_Window(Get_Focus()) != top)
                Set_Focus(top);
        }
    }
    int32_t cx = x, cy = y;
    Screen_To_Client(target, &cx, &cy);
    Post_Window_Message(target, code, buttons, Pack_Point(cx, cy));
}

WINDOW_HANDLE Resolve_Keyboard_Target() {
    WINDOW_HANDLE target = Get_Capture();
    // A drop-down menu takes the keys while it is open.
    if (target == NO_WINDOW || !Is_Popup(target)) target = Get_Focus();
    if (target == NO_WINDOW) target = Topmost_Enabled_Window();
    // Keys aimed under a modal dialog go to that dialog: Escape and Enter
    // answer it wherever the focus was left.
    if (target != NO_WINDOW && Is_Window_Under_Modal_Dialog(target)) target = Get_Innermost_Modal_Dialog();
    if (target == NO_WINDOW || !Is_Window_Enabled(Get_Top_Level_Window(target))) return NO_WINDOW;
    return target;
}

void Route_Key_Event(uint32_t code, uint32_t key, uint32_t modifiers) {
    Post_Window_Message(KEYBOARD_TARGET, code, key, static_cast<intptr_t>(modifiers));
}

void Route_Character_Event(uint32_t character) {
    Post_Window_Message(KEYBOARD_TARGET, MSG_CHAR, character, 0);
}

void Route_Typed_Text(const char* text) {
    for (const char c : Windows_1252_From_Desktop_Text(text)) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte >= 0x20 && byte != 0x7F) Route_Character_Event(byte);
    }
}

bool Is_Window_Being_Dragged() {
    return drag.Window != NO_WINDOW && Is_Window(drag.Window);
}

void Route_Close_Request() {
    WINDOW_HANDLE primary = Get_Primary_Window();
    if (primary == NO_WINDOW) return;
    if (!Is_Window_Taking_Input(primary)) {
        // The modal dialog over it answers the close box as its own.
        WINDOW_HANDLE dialog = Get_Innermost_Modal_Dialog();
        if (dialog == NO_WINDOW) dialog = Topmost_Enabled_Window();
        if (dialog != NO_WINDOW && dialog != primary) Post_Window_Message(dialog, MSG_CLOSE, 0, 0);
        return;
    }
    Post_Window_Message(primary, MSG_CLOSE, 0, 0);
}
