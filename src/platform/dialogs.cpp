#include "platform/dialogs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

#include "platform/backend.h"
#include "platform/controls.h"
#include "platform/drawing_objects.h"
#include "platform/error_reporter.h"
#include "platform/keys.h"
#include "platform/rect_math.h"
#include "platform/text_render.h"
#include "platform/windows.h"

namespace {
struct DIALOG_STATE {
    DIALOG_PROCEDURE Procedure;
    const DIALOG_TEMPLATE* Template;
    bool Modal;
    bool Ended;
    intptr_t Result;
    // What the procedure answers for the message it is handling, when it
    // answers more than "handled".
    bool Has_Message_Result;
    intptr_t Message_Result;
};

const char* const DIALOG_CLASS = "#dialog";
constexpr COLOUR_VALUE DIALOG_COLOUR = Make_Colour(236, 236, 236);

std::map<WINDOW_HANDLE, DIALOG_STATE> dialogs;
std::vector<WINDOW_HANDLE> modal_stack;
// Set while the dialog's window is being made, so MSG_CREATE finds its state.
const DIALOG_STATE* state_being_created = nullptr;

DIALOG_STATE* Find_State(WINDOW_HANDLE dialog) {
    auto found = dialogs.find(dialog);
    return found == dialogs.end() ? nullptr : &found->second;
}

// The dialog's own background: the brush its procedure gives for
// MSG_CONTROL_COLOUR_DIALOG, else the dialog colour.
void Erase_Dialog_Background(WINDOW_HANDLE window, DIALOG_PROCEDURE procedure, DEVICE_CONTEXT* dc) {
    const DRAWING_BRUSH* brush = nullptr;
    if (procedure != nullptr)
        brush = reinterpret_cast<const DRAWING_BRUSH*>(procedure(window, MSG_CONTROL_COLOUR_DIALOG,
                                                                 reinterpret_cast<uintptr_t>(dc),
                                                                 static_cast<intptr_t>(window)));
    RECT_AREA client;
    Get_Client_Rect(window, &client);
    if (brush != nullptr)
        Fill_Area_With_Brush(dc, client, brush);
    else
        Fill_Surface_Area(dc, client, DIALOG_COLOUR);
}

intptr_t Dialog_Window_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_CREATE && state_being_created != nullptr) {
        dialogs[window] = *state_being_created;
        return 0;
    }
    DIALOG_STATE* state = Find_State(window);
    const DIALOG_PROCEDURE procedure = state != nullptr ? state->Procedure : nullptr;
    intptr_t handled = 0;
    if (procedure != nullptr && code != MSG_CREATE) {
        const bool had_result = state->Has_Message_Result;
        const intptr_t outer_result = state->Message_Result;
        state->Has_Message_Result = false;
        handled = procedure(window, code, wparam, lparam);
        if (DIALOG_STATE* after = Find_State(window)) {
            if (handled != 0 && after->Has_Message_Result) handled = after->Message_Result;
            after->Has_Message_Result = had_result;
            after->Message_Result = outer_result;
        }
    }
    if (code == MSG_DESTROY) {
        dialogs.erase(window);
        return 0;
    }
    if (handled != 0) return handled;
    switch (code) {
    case MSG_CLOSE:
        // The close box answers as the cancel button would.
        Send_Window_Message(window, MSG_COMMAND, Pack_Command(ID_CANCEL, NOTIFY_BUTTON_CLICKED), 0);
        if (DIALOG_STATE* after = Find_State(window); after != nullptr && after->Modal && !after->Ended)
            End_Dialog(window, after->Template->Closed_Result);
        return 0;
    case MSG_ERASE_BACKGROUND:
        Erase_Dialog_Background(window, procedure, reinterpret_cast<DEVICE_CONTEXT*>(wparam));
        return 1;
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}

void Ensure_Dialog_Class() {
    if (!Is_Window_Class_Registered(DIALOG_CLASS))
        Register_Window_Class(DIALOG_CLASS, Dialog_Window_Procedure, DIALOG_COLOUR);
    if (!Is_Window_Class_Registered(Get_Control_Class_Name(CONTROL_PUSH_BUTTON))) Register_Controls();
}

// The template's font (points at 96 pixels an inch), kept by the dialog.
DRAWING_FONT* Make_Dialog_Font(WINDOW_HANDLE dialog, const DIALOG_TEMPLATE& dialog_template) {
    if (dialog_template.Font_Name == nullptr || dialog_template.Font_Size <= 0) return nullptr;
    FONT_REQUEST request{};
    request.Height = -((dialog_template.Font_Size * 96 + 36) / 72);
    request.Weight = FONT_WEIGHT_NORMAL;
    std::snprintf(request.Face, sizeof request.Face, "%s", dialog_template.Font_Name);
    DRAWING_FONT* font = Create_Font(request);
    Keep_Font_With_Window(dialog, font);
    return font;
}

RECT_AREA Control_Pixels(const DIALOG_UNIT_RECT& rect) {
    const int32_t left = Dialog_Units_To_Pixels_X(rect.X);
    const int32_t top = Dialog_Units_To_Pixels_Y(rect.Y);
    return {left, top, left + Dialog_Units_To_Pixels_X(rect.Width),
            top + Dialog_Units_To_Pixels_Y(rect.Height)};
}

WINDOW_HANDLE First_Tab_Stop(WINDOW_HANDLE dialog) {
    for (WINDOW_HANDLE child : Get_Child_Windows(dialog))
        if ((Get_Window_Style(child) & WINDOW_TAB_STOP) != 0 && Is_Window_Enabled(child) &&
            Is_Window_Shown(child))
            return child;
    return NO_WINDOW;
}

// The id Enter presses: the default button, else OK when the dialog has one.
int32_t Default_Button_Id(WINDOW_HANDLE dialog) {
    for (WINDOW_HANDLE child : Get_Child_Windows(dialog))
        if ((Get_Window_Style(child) & CONTROL_DEFAULT_BUTTON) != 0) return Get_Window_Id(child);
    return ID_OK;
}

WINDOW_HANDLE Build_Dialog(WINDOW_HANDLE owner, const DIALOG_TEMPLATE& dialog_template,
                           DIALOG_PROCEDURE procedure, intptr_t parameter, bool modal) {
    Ensure_Dialog_Class();
    const uint32_t furniture = dialog_template.Style & (WINDOW_CAPTION | WINDOW_BORDER);
    RECT_AREA frame = {0, 0, 0, 0};
    if ((furniture & WINDOW_BORDER) != 0) frame = {BORDER_WIDTH, BORDER_WIDTH, BORDER_WIDTH, BORDER_WIDTH};
    if ((furniture & WINDOW_CAPTION) != 0) frame.Top += CAPTION_HEIGHT;
    const RECT_AREA rect = {0, 0, Dialog_Units_To_Pixels_X(dialog_template.Width) + frame.Left + frame.Right,
                            Dialog_Units_To_Pixels_Y(dialog_template.Height) + frame.Top + frame.Bottom};
    const DIALOG_STATE state = {
        procedure, &dialog_template, modal, false, dialog_template.Closed_Result, false, 0};
    state_being_created = &state;
    const WINDOW_HANDLE dialog =
        Create_Window(DIALOG_CLASS, dialog_template.Caption != nullptr ? dialog_template.Caption : "",
                      furniture, rect, owner, dialog_template.Id, 0);
    state_being_created = nullptr;
    if (dialog == NO_WINDOW) return NO_WINDOW;
    DRAWING_FONT* font = Make_Dialog_Font(dialog, dialog_template);
    Set_Window_Font(dialog, font, false);
    for (int32_t i = 0; i < dialog_template.Control_Count; ++i) {
        const DIALOG_CONTROL& control = dialog_template.Controls[i];
        uint32_t style = WINDOW_CHILD | (control.Style & ~CONTROL_HIDDEN);
        if ((control.Style & CONTROL_HIDDEN) == 0) style |= WINDOW_VISIBLE;
        const WINDOW_HANDLE made = Create_Window(Get_Control_Class_Name(control.Kind), control.Text, style,
                                                 Control_Pixels(control.Rect), dialog, control.Id, 0);
        if (made == NO_WINDOW)
            Report_Platform_Error("Dialog %d: control %d could not be created", dialog_template.Id,
                                  control.Id);
        else
            Set_Window_Font(made, font, false);
    }
    Centre_Window_Over_Owner(dialog);
    if (Send_Window_Message(dialog, MSG_INIT_DIALOG, 0, parameter) != 0 && Is_Window(dialog)) {
        const WINDOW_HANDLE first = First_Tab_Stop(dialog);
        Set_Focus(first != NO_WINDOW ? first : dialog);
    }
    return Is_Window(dialog) ? dialog : NO_WINDOW;
}

// The control of the dialog whose label marks `letter` with "&", if any.
WINDOW_HANDLE Find_Mnemonic(WINDOW_HANDLE dialog, uint32_t letter) {
    for (WINDOW_HANDLE child : Get_Child_Windows(dialog)) {
        if (!Is_Window_Shown(child) || !Is_Window_Enabled(child)) continue;
        const std::string text = Get_Window_Text(child);
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&') continue;
            if (text[i + 1] == '&') {
                ++i;
                continue;
            }
            if (static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(text[i + 1]))) == letter)
                return child;
            break;
        }
    }
    return NO_WINDOW;
}

// Escape, Enter, Tab and Alt with a marked letter act on the dialog before
// its controls see them, unless the control with the focus wants the key.
bool Handle_Dialog_Keys(WINDOW_HANDLE dialog, const WINDOW_MESSAGE& message) {
    if (message.Code != MSG_KEY_DOWN) return false;
    if (message.Window != dialog && Get_Top_Level_Window(message.Window) != dialog) return false;
    const WINDOW_HANDLE focus = Get_Focus();
    const intptr_t wants =
        focus != NO_WINDOW && focus != dialog && Get_Top_Level_Window(focus) == dialog
            ? Send_Window_Message(focus, MSG_GET_DIALOG_CODE, message.Wparam, message.Lparam)
            : 0;
    const uint32_t modifiers = static_cast<uint32_t>(message.Lparam);
    switch (message.Wparam) {
    case KEY_ESCAPE:
        if ((wants & DIALOG_WANTS_ESCAPE) != 0) return false;
        Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(ID_CANCEL, NOTIFY_BUTTON_CLICKED), 0);
        return true;
    case KEY_ENTER: {
        if ((wants & DIALOG_WANTS_ENTER) != 0) return false;
        const int32_t id = Default_Button_Id(dialog);
        const WINDOW_HANDLE button = Get_Dialog_Item(dialog, id);
        if (button != NO_WINDOW && !Is_Window_Enabled(button)) return true;
        Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(id, NOTIFY_BUTTON_CLICKED),
                            static_cast<intptr_t>(button));
        return true;
    }
    case KEY_TAB: {
        if ((wants & DIALOG_WANTS_TAB) != 0) return false;
        std::vector<WINDOW_HANDLE> stops;
        for (WINDOW_HANDLE child : Get_Child_Windows(dialog))
            if ((Get_Window_Style(child) & WINDOW_TAB_STOP) != 0 && Is_Window_Enabled(child) &&
                Is_Window_Shown(child))
                stops.push_back(child);
        if (stops.empty()) return true;
        auto at = std::find(stops.begin(), stops.end(), focus);
        const bool back = (modifiers & KEY_MODIFIER_SHIFT) != 0;
        size_t next = 0;
        if (at != stops.end()) {
            const size_t index = static_cast<size_t>(at - stops.begin());
            next = back ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
        }
        Set_Focus(stops[next]);
        return true;
    }
    default:
        if ((modifiers & KEY_MODIFIER_ALT) != 0) {
            const WINDOW_HANDLE marked = Find_Mnemonic(dialog, static_cast<uint32_t>(message.Wparam));
            if (marked == NO_WINDOW) return false;
            const CONTROL_KIND kind = Get_Control_Kind(marked);
            if (kind == CONTROL_PUSH_BUTTON || kind == CONTROL_CHECK_BOX || kind == CONTROL_RADIO_BUTTON) {
                Set_Focus(marked);
                Send_Window_Message(marked, MSG_BUTTON_CLICK, 0, 0);
            } else {
                Set_Focus(marked);
            }
            return true;
        }
        return false;
    }
}

bool Is_Modal_Ended(void* context) {
    const DIALOG_STATE* state = Find_State(static_cast<WINDOW_HANDLE>(reinterpret_cast<uintptr_t>(context)));
    return state == nullptr || state->Ended;
}

// Scripted input drives the dialog until it ends or nothing is left to do.
void Run_Scripted_Modal_Loop(WINDOW_HANDLE dialog) {
    WINDOW_MESSAGE message;
    while (!Is_Modal_Ended(reinterpret_cast<void*>(static_cast<uintptr_t>(dialog))) && !Is_Quit_Requested()) {
        if (Peek_Window_Message(&message, true)) {
            if (!Handle_Dialog_Keys(dialog, message)) Dispatch_Window_Message(message);
        } else if (!Get_Platform_Backend().Deliver_Scripted_Input()) {
            return;
        }
    }
}

// The owner a modal dialog gets: the top-level window of the one asked for,
// or the innermost modal dialog when that one keeps input from it. Owned by
// a window under the innermost dialog, the new one could be covered by that
// dialog and wait there unseen while the dialog took the clicks.
WINDOW_HANDLE Choose_Modal_Owner(WINDOW_HANDLE owner) {
    if (owner != NO_WINDOW) owner = Get_Top_Level_Window(owner);
    return Is_Window_Under_Modal_Dialog(owner) ? Get_Innermost_Modal_Dialog() : owner;
}

// Disables the owner and the windows that own it; returns those it disabled.
std::vector<WINDOW_HANDLE> Disable_Owner_Chain(WINDOW_HANDLE owner) {
    std::vector<WINDOW_HANDLE> disabled;
    for (WINDOW_HANDLE window = owner; window != NO_WINDOW;
         window = Get_Top_Level_Window(Get_Window_Owner(window)))
        if (Enable_Window(window, false)) disabled.push_back(window);
    return disabled;
}

void Run_Interactive_Modal_Loop(WINDOW_HANDLE dialog) {
    WINDOW_MESSAGE message;
    void* context = reinterpret_cast<void*>(static_cast<uintptr_t>(dialog));
    while (!Is_Modal_Ended(context)) {
        if (Is_Quit_Requested()) return;
        const int got = Get_Window_Message(&message);
        if (got <= 0) return;
        if (!Handle_Dialog_Keys(dialog, message)) Dispatch_Window_Message(message);
    }
}
} // namespace

const char* Get_Control_Class_Name(CONTROL_KIND kind) {
    static const char* const NAMES[CONTROL_KIND_COUNT] = {
        "Button", "CheckBox", "RadioButton", "GroupBox", "Static", "StaticFrame", "StaticImage",
        "Edit",   "ListBox",  "ComboBox",    "ListView", "UpDown", "ProgressBar", "SizeGrip"};
    return kind >= 0 && kind < CONTROL_KIND_COUNT ? NAMES[kind] : "StaticFrame";
}

int32_t Dialog_Units_To_Pixels_X(int32_t units) {
    return (units * 6 + 2) / 4;
}

int32_t Dialog_Units_To_Pixels_Y(int32_t units) {
    return (units * 13 + 4) / 8;
}

intptr_t Run_Modal_Dialog(WINDOW_HANDLE owner, const DIALOG_TEMPLATE& dialog_template,
                          DIALOG_PROCEDURE procedure, intptr_t parameter) {
    if (owner != NO_WINDOW && !Is_Window(owner)) {
        Report_Platform_Error("Run_Modal_Dialog(%d): owner %u is no window", dialog_template.Id, owner);
        owner = NO_WINDOW;
    }
    if (Is_Quit_Requested()) return dialog_template.Closed_Result;
    owner = Choose_Modal_Owner(owner);
    const WINDOW_HANDLE previous_focus = Get_Focus();
    const WINDOW_HANDLE dialog = Build_Dialog(owner, dialog_template, procedure, parameter, true);
    if (dialog == NO_WINDOW) return dialog_template.Closed_Result;
    modal_stack.push_back(dialog);
    const std::vector<WINDOW_HANDLE> disabled = Disable_Owner_Chain(owner);
    if (!Is_Modal_Ended(reinterpret_cast<void*>(static_cast<uintptr_t>(dialog)))) {
        Show_Window(dialog, true);
        if (Get_Top_Level_Window(Get_Focus()) != dialog) Set_Focus(dialog);
        const PLATFORM_BACKEND& backend = Get_Platform_Backend();
        int answer = 0;
        if (!backend.Answers_From_Script)
            Run_Interactive_Modal_Loop(dialog);
        else if (backend.Take_Dialog_Answer(dialog_template.Id, dialog_template.Caption, &answer))
            End_Dialog(dialog, answer);
        else
            Run_Scripted_Modal_Loop(dialog);
    }
    const DIALOG_STATE* state = Find_State(dialog);
    const intptr_t result = state != nullptr && state->Ended ? state->Result : dialog_template.Closed_Result;
    modal_stack.erase(std::remove(modal_stack.begin(), modal_stack.end(), dialog), modal_stack.end());
    for (auto it = disabled.rbegin(); it != disabled.rend(); ++it)
        if (Is_Window(*it)) Enable_Window(*it, true);
    if (Is_Window(dialog)) Destroy_Window(dialog);
    if (Is_Window(previous_focus))
        Set_Focus(previous_focus);
    else if (Is_Window(owner))
        Set_Focus(owner);
    return result;
}

WINDOW_HANDLE Create_Modeless_Dialog(WINDOW_HANDLE owner, const DIALOG_TEMPLATE& dialog_template,
                                     DIALOG_PROCEDURE procedure, intptr_t parameter) {
    const WINDOW_HANDLE dialog = Build_Dialog(owner, dialog_template, procedure, parameter, false);
    if (dialog != NO_WINDOW && !Is_Window_Shown(dialog)) Show_Window(dialog, true);
    return dialog;
}

bool End_Dialog(WINDOW_HANDLE dialog, intptr_t result) {
    DIALOG_STATE* state = Find_State(dialog);
    if (state == nullptr) {
        Report_Platform_Error("End_Dialog(%u): no such dialog", dialog);
        return false;
    }
    state->Ended = true;
    state->Result = result;
    return true;
}

bool Is_Dialog(WINDOW_HANDLE window) {
    return Find_State(window) != nullptr;
}

int32_t Get_Dialog_Template_Id(WINDOW_HANDLE dialog) {
    const DIALOG_STATE* state = Find_State(dialog);
    return state != nullptr && state->Template != nullptr ? state->Template->Id : 0;
}

std::vector<WINDOW_HANDLE> Get_Open_Modal_Dialogs() {
    return modal_stack;
}

WINDOW_HANDLE Get_Innermost_Modal_Dialog() {
    for (auto it = modal_stack.rbegin(); it != modal_stack.rend(); ++it)
        if (Is_Window(*it)) return *it;
    return NO_WINDOW;
}

bool Is_Window_Under_Modal_Dialog(WINDOW_HANDLE window) {
    const WINDOW_HANDLE innermost = Get_Innermost_Modal_Dialog();
    if (innermost == NO_WINDOW) return false;
    // Up the owners (a drop-down may be owned by a control of the dialog).
    for (WINDOW_HANDLE top = Get_Top_Level_Window(window); top != NO_WINDOW;
         top = Get_Top_Level_Window(Get_Window_Owner(top)))
        if (top == innermost) return false;
    return true;
}

WINDOW_HANDLE Get_Dialog_Item(WINDOW_HANDLE dialog, int32_t id) {
    return Find_Child_Window(dialog, id);
}

void Set_Dialog_Item_Text(WINDOW_HANDLE dialog, int32_t id, const char* text) {
    const WINDOW_HANDLE item = Get_Dialog_Item(dialog, id);
    if (item == NO_WINDOW) {
        Report_Platform_Error("Set_Dialog_Item_Text: dialog %u has no control %d", dialog, id);
        return;
    }
    Set_Window_Text(item, text);
    Invalidate_Window(item, nullptr);
}

std::string Get_Dialog_Item_Text(WINDOW_HANDLE dialog, int32_t id) {
    return Get_Window_Text(Get_Dialog_Item(dialog, id));
}

intptr_t Send_Dialog_Item_Message(WINDOW_HANDLE dialog, int32_t id, uint32_t code, uintptr_t wparam,
                                  intptr_t lparam) {
    const WINDOW_HANDLE item = Get_Dialog_Item(dialog, id);
    return item != NO_WINDOW ? Send_Window_Message(item, code, wparam, lparam) : 0;
}

bool Set_Dialog_Message_Result(WINDOW_HANDLE dialog, intptr_t result) {
    DIALOG_STATE* state = Find_State(dialog);
    if (state == nullptr) return false;
    state->Has_Message_Result = true;
    state->Message_Result = result;
    return true;
}

void Centre_Window_Over_Owner(WINDOW_HANDLE window) {
    const WINDOW_HANDLE owner = Get_Window_Owner(window);
    Centre_Window_Over(window, owner != NO_WINDOW && Is_Window_Shown(owner) ? owner : NO_WINDOW);
}

void Centre_Window_Over(WINDOW_HANDLE window, WINDOW_HANDLE over_window) {
    if (!Is_Window(window)) return;
    RECT_AREA area;
    Get_Platform_Backend().Get_Work_Area(&area);
    RECT_AREA over = area;
    if (Is_Window(over_window)) Get_Window_Rect(over_window, &over);
    RECT_AREA rect;
    Get_Window_Rect(window, &rect);
    const int32_t width = rect.Right - rect.Left;
    const int32_t height = rect.Bottom - rect.Top;
    int32_t left = over.Left + (over.Right - over.Left - width) / 2;
    int32_t top = over.Top + (over.Bottom - over.Top - height) / 2;
    left = std::max(area.Left, std::min(left, area.Right - width));
    top = std::max(area.Top, std::min(top, area.Bottom - height));
    Move_Window(window, {left, top, left + width, top + height});
}

bool Validate_Dialog_Template(const DIALOG_TEMPLATE& dialog_template, const std::vector<int32_t>& used_ids,
                              std::string* problem) {
    auto fail = [&](const std::string& text) {
        if (problem != nullptr) *problem = "dialog " + std::to_string(dialog_template.Id) + ": " + text;
        return false;
    };
    if (dialog_template.Width <= 0 || dialog_template.Height <= 0) return fail("no size");
    if (dialog_template.Control_Count > 0 && dialog_template.Controls == nullptr)
        return fail("no control table");
    std::set<int32_t> ids;
    for (int32_t i = 0; i < dialog_template.Control_Count; ++i) {
        const DIALOG_CONTROL& control = dialog_template.Controls[i];
        if (control.Kind < 0 || control.Kind >= CONTROL_KIND_COUNT)
            return fail("control " + std::to_string(control.Id) + " has no kind");
        if (control.Id != UNNAMED_CONTROL && !ids.insert(control.Id).second)
            return fail("control id " + std::to_string(control.Id) + " is used twice");
        const DIALOG_UNIT_RECT& r = control.Rect;
        if (r.X < 0 || r.Y < 0 || r.Width < 0 || r.Height < 0 || r.X + r.Width > dialog_template.Width ||
            r.Y + r.Height > dialog_template.Height)
            return fail("control " + std::to_string(control.Id) + " lies outside the dialog");
    }
    for (int32_t id : used_ids)
        if (ids.count(id) == 0)
            return fail("the procedure uses control " + std::to_string(id) + ", which is missing");
    return true;
}
