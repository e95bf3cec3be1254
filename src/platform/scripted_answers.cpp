#include "platform/scripted_answers.h"

#include <deque>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/window_messages.h"

namespace {
struct SCRIPTED_ANSWER {
    int Dialog_Id; // ANY_DIALOG when keyed by caption only
    std::string Caption;
    int Answer;
    // Run as the box comes up, before it is answered.
    void (*Look)(void*) = nullptr;
    void* Context = nullptr;
};

enum INPUT_KIND {
    INPUT_KEY,
    INPUT_CHARACTER,
    INPUT_CLICK,
    INPUT_MOVE,
    INPUT_CLOSE,
    INPUT_PAUSE,
    INPUT_ACTION,
    INPUT_DOUBLE_CLICK,
    INPUT_RIGHT_CLICK,
    INPUT_DRAG,
    INPUT_WHEEL,
    INPUT_TEXT
};

struct SCRIPTED_INPUT {
    INPUT_KIND Kind;
    uint32_t Code;
    uint32_t Modifiers;
    int32_t X;
    int32_t Y;
    void (*Action)(void*);
    void* Context;
    int32_t To_X = 0;
    int32_t To_Y = 0;
    std::string Text = "";
};

std::deque<SCRIPTED_ANSWER> message_answers;
std::deque<SCRIPTED_ANSWER> dialog_answers;
std::deque<SCRIPTED_INPUT> scripted_input;
std::vector<SHOWN_MESSAGE> shown_messages;
std::vector<std::string> played_sounds;
std::vector<int32_t> cursor_requests;
std::vector<SHELL_REQUEST> shell_requests;
std::deque<int> shell_results;
std::vector<PRINT_REQUEST> print_requests;
std::vector<int> print_results;
bool input_was_scripted = false;
uint32_t idle_since_input = 0;

bool Take_First(std::deque<SCRIPTED_ANSWER>& answers, int dialog_id, const char* caption, int* answer,
                SCRIPTED_ANSWER* taken = nullptr) {
    const std::string asked = caption != nullptr ? caption : "";
    for (auto it = answers.begin(); it != answers.end(); ++it) {
        bool matches = it->Dialog_Id != ANY_DIALOG ? it->Dialog_Id == dialog_id
                                                   : it->Caption.empty() || it->Caption == asked;
        if (matches) {
            *answer = it->Answer;
            if (taken != nullptr) *taken = *it;
            answers.erase(it);
            return true;
        }
    }
    return false;
}
} // namespace

void Script_Message_Answer(const std::string& caption, int answer) {
    message_answers.push_back({ANY_DIALOG, caption, answer});
}

void Script_Message_Answer(const std::string& caption, int answer, void (*look)(void* context),
                           void* context) {
    message_answers.push_back({ANY_DIALOG, caption, answer, look, context});
}

void Script_Dialog_Answer(int dialog_id, int answer) {
    dialog_answers.push_back({dialog_id, "", answer});
}

void Script_Dialog_Answer_By_Caption(const std::string& caption, int answer) {
    dialog_answers.push_back({ANY_DIALOG, caption, answer});
}

const std::vector<SHOWN_MESSAGE>& Get_Shown_Messages() {
    return shown_messages;
}

void Record_Shown_Message(const char* caption, const char* text, unsigned flags) {
    shown_messages.push_back({caption != nullptr ? caption : "", text != nullptr ? text : "", flags});
}

void Clear_Shown_Messages() {
    shown_messages.clear();
    Clear_Scripted_Answers();
}

void Clear_Scripted_Answers() {
    message_answers.clear();
    dialog_answers.clear();
}

int Take_Scripted_Message_Answer(const char* caption, int fallback) {
    int answer = fallback;
    SCRIPTED_ANSWER taken;
    if (Take_First(message_answers, ANY_DIALOG, caption, &answer, &taken) && taken.Look != nullptr)
        taken.Look(taken.Context);
    return answer;
}

bool Take_Scripted_Dialog_Answer(int dialog_id, const char* caption, int* answer) {
    int taken = 0;
    if (!Take_First(dialog_answers, dialog_id, caption, &taken)) return false;
    if (answer != nullptr) *answer = taken;
    return true;
}

void Script_Key_Press(uint32_t key, uint32_t modifiers) {
    scripted_input.push_back({INPUT_KEY, key, modifiers, 0, 0, nullptr, nullptr});
}

void Script_Character(uint32_t character) {
    scripted_input.push_back({INPUT_CHARACTER, character, 0, 0, 0, nullptr, nullptr});
}

void Script_Typed_Text(const std::string& text) {
    scripted_input.push_back({INPUT_TEXT, 0, 0, 0, 0, nullptr, nullptr, 0, 0, text});
}

void Script_Mouse_Click(int32_t x, int32_t y, uint32_t modifiers) {
    scripted_input.push_back({INPUT_CLICK, 0, modifiers, x, y, nullptr, nullptr});
}

void Script_Mouse_Double_Click(int32_t x, int32_t y) {
    scripted_input.push_back({INPUT_DOUBLE_CLICK, 0, 0, x, y, nullptr, nullptr});
}

void Script_Right_Click(int32_t x, int32_t y) {
    scripted_input.push_back({INPUT_RIGHT_CLICK, 0, 0, x, y, nullptr, nullptr});
}

void Script_Mouse_Drag(int32_t from_x, int32_t from_y, int32_t to_x, int32_t to_y) {
    scripted_input.push_back({INPUT_DRAG, 0, 0, from_x, from_y, nullptr, nullptr, to_x, to_y});
}

void Script_Mouse_Wheel(int32_t x, int32_t y, int32_t steps) {
    scripted_input.push_back({INPUT_WHEEL, static_cast<uint32_t>(steps), 0, x, y, nullptr, nullptr});
}

void Script_Mouse_Move(int32_t x, int32_t y) {
    scripted_input.push_back({INPUT_MOVE, 0, 0, x, y, nullptr, nullptr});
}

void Script_Close_Request() {
    scripted_input.push_back({INPUT_CLOSE, 0, 0, 0, 0, nullptr, nullptr});
}

void Script_Pause(uint32_t milliseconds) {
    scripted_input.push_back({INPUT_PAUSE, milliseconds, 0, 0, 0, nullptr, nullptr});
}

void Script_Action(void (*action)(void* context), void* context) {
    scripted_input.push_back({INPUT_ACTION, 0, 0, 0, 0, action, context});
}

int32_t Count_Scripted_Input() {
    return static_cast<int32_t>(scripted_input.size());
}

void Clear_Scripted_Input() {
    scripted_input.clear();
    input_was_scripted = false;
    idle_since_input = 0;
}

bool Note_Scripted_Idle_Wait(uint32_t milliseconds) {
    if (!input_was_scripted) return false;
    idle_since_input += milliseconds;
    if (idle_since_input <= SCRIPTED_IDLE_LIMIT) return false;
    input_was_scripted = false;
    idle_since_input = 0;
    return true;
}

namespace {
uintptr_t Mouse_Key_Bits(uint32_t modifiers) {
    uintptr_t keys = 0;
    if ((modifiers & KEY_MODIFIER_SHIFT) != 0) keys |= MOUSE_SHIFT_HELD;
    if ((modifiers & KEY_MODIFIER_CONTROL) != 0) keys |= MOUSE_CONTROL_HELD;
    return keys;
}
} // namespace

bool Deliver_Next_Scripted_Input() {
    if (scripted_input.empty()) return false;
    const SCRIPTED_INPUT input = scripted_input.front();
    scripted_input.pop_front();
    input_was_scripted = true;
    idle_since_input = 0;
    switch (input.Kind) {
    case INPUT_KEY:
        Route_Key_Event(MSG_KEY_DOWN, input.Code, input.Modifiers);
        Route_Key_Event(MSG_KEY_UP, input.Code, input.Modifiers);
        break;
    case INPUT_CHARACTER:
        Route_Character_Event(input.Code);
        break;
    case INPUT_TEXT:
        Route_Typed_Text(input.Text.c_str());
        break;
    case INPUT_CLICK: {
        const uintptr_t keys = Mouse_Key_Bits(input.Modifiers);
        Route_Mouse_Event(MSG_MOUSE_MOVE, input.X, input.Y, keys);
        Route_Mouse_Event(MSG_LBUTTON_DOWN, input.X, input.Y, keys | MOUSE_LEFT_HELD);
        Route_Mouse_Event(MSG_LBUTTON_UP, input.X, input.Y, keys);
        break;
    }
    case INPUT_DOUBLE_CLICK:
        // As a display reports it: a click, then a second press that is the double click.
        Route_Mouse_Event(MSG_MOUSE_MOVE, input.X, input.Y, 0);
        Route_Mouse_Event(MSG_LBUTTON_DOWN, input.X, input.Y, MOUSE_LEFT_HELD);
        Route_Mouse_Event(MSG_LBUTTON_UP, input.X, input.Y, 0);
        Route_Mouse_Event(MSG_LBUTTON_DOUBLE, input.X, input.Y, MOUSE_LEFT_HELD);
        Route_Mouse_Event(MSG_LBUTTON_UP, input.X, input.Y, 0);
        break;
    case INPUT_RIGHT_CLICK:
        Route_Mouse_Event(MSG_MOUSE_MOVE, input.X, input.Y, 0);
        Route_Mouse_Event(MSG_RBUTTON_DOWN, input.X, input.Y, MOUSE_RIGHT_HELD);
        Route_Mouse_Event(MSG_RBUTTON_UP, input.X, input.Y, 0);
        break;
    case INPUT_DRAG: {
        Route_Mouse_Event(MSG_MOUSE_MOVE, input.X, input.Y, 0);
        Route_Mouse_Event(MSG_LBUTTON_DOWN, input.X, input.Y, MOUSE_LEFT_HELD);
        // Half way first, so a drag is seen to move before it arrives.
        Route_Mouse_Event(MSG_MOUSE_MOVE, (input.X + input.To_X) / 2, (input.Y + input.To_Y) / 2,
                          MOUSE_LEFT_HELD);
        Route_Mouse_Event(MSG_MOUSE_MOVE, input.To_X, input.To_Y, MOUSE_LEFT_HELD);
        Route_Mouse_Event(MSG_LBUTTON_UP, input.To_X, input.To_Y, 0);
        break;
    }
    case INPUT_WHEEL:
        Route_Mouse_Event(MSG_MOUSE_WHEEL, input.X, input.Y,
                          static_cast<uintptr_t>(static_cast<intptr_t>(static_cast<int32_t>(input.Code))));
        break;
    case INPUT_MOVE:
        Route_Mouse_Event(MSG_MOUSE_MOVE, input.X, input.Y, 0);
        break;
    case INPUT_CLOSE:
        Route_Close_Request();
        break;
    case INPUT_PAUSE:
        Let_Time_Pass(input.Code);
        break;
    case INPUT_ACTION:
        if (input.Action != nullptr) input.Action(input.Context);
        break;
    }
    return true;
}

const std::vector<std::string>& Get_Played_Sounds() {
    return played_sounds;
}

const std::vector<int32_t>& Get_Cursor_Requests() {
    return cursor_requests;
}

const std::vector<SHELL_REQUEST>& Get_Shell_Requests() {
    return shell_requests;
}

void Record_Played_Sound(const char* path) {
    played_sounds.push_back(path != nullptr ? path : "");
}

void Record_Cursor_Request(int32_t shape) {
    cursor_requests.push_back(shape);
}

int Record_Shell_Request(const char* target, const char* directory) {
    shell_requests.push_back({target != nullptr ? target : "", directory != nullptr ? directory : ""});
    if (shell_results.empty()) return SHELL_OPEN_DONE;
    const int result = shell_results.front();
    shell_results.pop_front();
    return result;
}

void Script_Shell_Result(int result) {
    shell_results.push_back(result);
}

const std::vector<PRINT_REQUEST>& Get_Print_Requests() {
    return print_requests;
}

void Script_Print_Result(int result) {
    print_results.push_back(result);
}

int Record_Print_Request(const char* path, const char* text) {
    PRINT_REQUEST request{path != nullptr ? path : "", {}};
    if (text != nullptr) {
        std::string line;
        for (const char* p = text; *p != '\0'; ++p) {
            if (*p == '\n') {
                request.Lines.push_back(line);
                line.clear();
            } else {
                line += *p;
            }
        }
        if (!line.empty()) request.Lines.push_back(line);
    }
    print_requests.push_back(std::move(request));
    if (print_results.empty()) return PRINT_DONE;
    const int result = print_results.front();
    print_results.erase(print_results.begin());
    return result;
}

void Clear_Desktop_Requests() {
    played_sounds.clear();
    cursor_requests.clear();
    shell_requests.clear();
    shell_results.clear();
    print_requests.clear();
    print_results.clear();
}
