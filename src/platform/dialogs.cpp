#include "platform/dialogs.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/backend.h"
#include "platform/basic_controls.h"
#include "platform/error_reporter.h"
#include "platform/keys.h"
#include "platform/rect_math.h"
#include "platform/windows.h"

namespace {
struct DIALOG_STATE {
    DIALOG_PROCEDURE Procedure;
    const DIALOG_TEMPLATE* Template;
    bool Modal;
    bool Ended;
    intptr_t Result;
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

intptr_t Dialog_Window_Procedure(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (code == MSG_CREATE && state_being_created != nullptr) {
        dialogs[window] = *state_being_created;
        return 0;
    }
    DIALOG_STATE* state = Find_State(window);
    const DIALOG_PROCEDURE procedure = state != nullptr ? state->Procedure : nullptr;
    intptr_t handled = 0;
    if (procedure != nullptr && code != MSG_CREATE) handled = procedure(window, code, wparam, lparam);
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
    default:
        return Default_Window_Procedure(window, code, wparam, lparam);
    }
}

void Ensure_Dialog_Class() {
    if (!Is_Window_Class_Registered(DIALOG_CLASS))
        Register_Window_Class(DIALOG_CLASS, Dialog_Window_Procedure, DIALOG_COLOUR);
    Register_Basic_Controls();
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
    const DIALOG_STATE state = {procedure, &dialog_template, modal, false, dialog_template.Closed_Result};
    state_being_created = &state;
    const WINDOW_HANDLE dialog =
        Create_Window(DIALOG_CLASS, dialog_template.Caption != nullptr ? dialog_template.Caption : "",
                      furniture, rect, owner, dialog_template.Id, 0);
    state_being_created = nullptr;
    if (dialog == NO_WINDOW) return NO_WINDOW;
    for (int32_t i = 0; i < dialog_template.Control_Count; ++i) {
        const DIALOG_CONTROL& control = dialog_template.Controls[i];
        uint32_t style = WINDOW_CHILD | (control.Style & ~CONTROL_HIDDEN);
        if ((control.Style & CONTROL_HIDDEN) == 0) style |= WINDOW_VISIBLE;
        if (Create_Window(Get_Control_Class_Name(control.Kind), control.Text, style,
                          Control_Pixels(control.Rect), dialog, control.Id, 0) == NO_WINDOW)
            Report_Platform_Error("Dialog %d: control %d could not be created", dialog_template.Id,
                                  control.Id);
    }
    Centre_Window_Over_Owner(dialog);
    if (Send_Window_Message(dialog, MSG_INIT_DIALOG, 0, parameter) != 0 && Is_Window(dialog)) {
        const WINDOW_HANDLE first = First_Tab_Stop(dialog);
        Set_Focus(first != NO_WINDOW ? first : dialog);
    }
    return Is_Window(dialog) ? dialog : NO_WINDOW;
}

// Escape, Enter and Tab act on the dialog before its controls see them.
bool Handle_Dialog_Keys(WINDOW_HANDLE dialog, const WINDOW_MESSAGE& message) {
    if (message.Code != MSG_KEY_DOWN) return false;
    if (message.Window != dialog && Get_Top_Level_Window(message.Window) != dialog) return false;
    switch (message.Wparam) {
    case KEY_ESCAPE:
        Send_Window_Message(dialog, MSG_COMMAND, Pack_Command(ID_CANCEL, NOTIFY_BUTTON_CLICKED), 0);
        return true;
    case KEY_ENTER:
        Send_Window_Message(dialog, MSG_COMMAND,
                            Pack_Command(Default_Button_Id(dialog), NOTIFY_BUTTON_CLICKED),
                            static_cast<intptr_t>(Get_Dialog_Item(dialog, Default_Button_Id(dialog))));
        return true;
    case KEY_TAB: {
        std::vector<WINDOW_HANDLE> stops;
        for (WINDOW_HANDLE child : Get_Child_Windows(dialog))
            if ((Get_Window_Style(child) & WINDOW_TAB_STOP) != 0 && Is_Window_Enabled(child) &&
                Is_Window_Shown(child))
                stops.push_back(child);
        if (stops.empty()) return true;
        auto at = std::find(stops.begin(), stops.end(), Get_Focus());
        const bool back = (static_cast<uint32_t>(message.Lparam) & KEY_MODIFIER_SHIFT) != 0;
        size_t next = 0;
        if (at != stops.end()) {
            const size_t index = static_cast<size_t>(at - stops.begin());
            next = back ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
        }
        Set_Focus(stops[next]);
        return true;
    }
    default:
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
        "#push-button",  "#check-box",    "#radio-button", "#group-box", "#static-text",
        "#static-frame", "#static-image", "#edit",         "#list-box",  "#combo-box",
        "#list-view",    "#up-down",      "#progress-bar", "#size-grip"};
    return kind >= 0 && kind < CONTROL_KIND_COUNT ? NAMES[kind] : "#static-frame";
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
    const WINDOW_HANDLE previous_focus = Get_Focus();
    const WINDOW_HANDLE dialog = Build_Dialog(owner, dialog_template, procedure, parameter, true);
    if (dialog == NO_WINDOW) return dialog_template.Closed_Result;
    modal_stack.push_back(dialog);
    const bool owner_was_enabled = owner != NO_WINDOW && Enable_Window(owner, false);
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
    if (owner_was_enabled && Is_Window(owner)) Enable_Window(owner, true);
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

void Centre_Window_Over_Owner(WINDOW_HANDLE window) {
    if (!Is_Window(window)) return;
    RECT_AREA area;
    Get_Platform_Backend().Get_Work_Area(&area);
    RECT_AREA over = area;
    const WINDOW_HANDLE owner = Get_Window_Owner(window);
    if (owner != NO_WINDOW && Is_Window_Shown(owner)) Get_Window_Rect(owner, &over);
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
