#include "platform/message_queue.h"

#include <cstddef>
#include <deque>
#include <map>
#include <vector>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/error_reporter.h"
#include "platform/input.h"
#include "platform/windows.h"

namespace {
struct QUEUED_MESSAGE {
    WINDOW_MESSAGE Message;
    uint64_t Sequence;
};

struct WINDOW_TIMER {
    WINDOW_HANDLE Window;
    uint32_t Id;
    uint32_t Period;
    uint32_t Due;
    TIMER_CALLBACK Callback;
};

std::deque<QUEUED_MESSAGE> queue;
uint64_t next_sequence = 0;
// Kept in the order set, so timers due at the same tick fire in that order.
std::vector<WINDOW_TIMER> timers;
std::map<WINDOW_HANDLE, WINDOW_PROCEDURE> procedures;
MESSAGE_TRANSLATOR translator = nullptr;
uint64_t handled_messages = 0;
bool quit_requested = false;
int quit_exit_code = 0;

// Tick counts wrap, so "reached" compares the signed distance.
bool Is_Tick_Reached(uint32_t now, uint32_t due) {
    return static_cast<int32_t>(now - due) >= 0;
}

// The earliest timer due at `now`, or -1.
int Find_Due_Timer(uint32_t now) {
    int found = -1;
    for (size_t i = 0; i < timers.size(); ++i) {
        if (!Is_Tick_Reached(now, timers[i].Due)) continue;
        if (found < 0 || static_cast<int32_t>(timers[i].Due - timers[found].Due) < 0)
            found = static_cast<int>(i);
    }
    return found;
}

// Milliseconds until the next timer is due, or WAIT_FOREVER without timers.
uint32_t Time_To_Next_Timer(uint32_t now) {
    uint32_t wait = WAIT_FOREVER;
    for (const WINDOW_TIMER& timer : timers) {
        uint32_t left = Is_Tick_Reached(now, timer.Due) ? 0 : timer.Due - now;
        if (left < wait) wait = left;
    }
    return wait;
}

WINDOW_MESSAGE Take_Timer_Message(int index, uint32_t now, bool remove) {
    WINDOW_TIMER& timer = timers[static_cast<size_t>(index)];
    WINDOW_MESSAGE message = {timer.Window, MSG_TIMER, timer.Id, 0};
    // One message however late the timer is: a busy program does not get a burst.
    if (remove) timer.Due = now + timer.Period;
    return message;
}

bool Is_Input_Message(uint32_t code) {
    return code >= MSG_KEY_DOWN && code <= MSG_MOUSE_WHEEL;
}

// Keyboard input goes to the window that has the focus when it is taken; input
// for nobody (a disabled window has the focus) is dropped. So is input that
// was aimed at a window a modal dialog has come over since (a second click
// of a double click on the button that opened it).
void Resolve_Front_Input_Messages() {
    while (!queue.empty()) {
        WINDOW_MESSAGE& front = queue.front().Message;
        if (front.Window == KEYBOARD_TARGET) {
            const WINDOW_HANDLE target = Resolve_Keyboard_Target();
            if (target != NO_WINDOW) {
                front.Window = target;
                return;
            }
        } else if (!Is_Input_Message(front.Code) || !Is_Window(front.Window) ||
                   Is_Window_Taking_Input(front.Window)) {
            return;
        }
        queue.pop_front();
    }
}

// A paint message for the first window with an invalid area, if any.
bool Find_Paint_Message(WINDOW_MESSAGE* message) {
    WINDOW_HANDLE window = Find_Window_Needing_Paint();
    if (window == NO_WINDOW) return false;
    if (message != nullptr) *message = {window, MSG_PAINT, 0, 0};
    return true;
}
} // namespace

void Translate_And_Dispatch_Message(const WINDOW_MESSAGE& message) {
    ++handled_messages;
    if (translator != nullptr && translator(message)) return;
    Dispatch_Window_Message(message);
}

void Set_Window_Procedure(WINDOW_HANDLE window, WINDOW_PROCEDURE procedure) {
    if (procedure == nullptr)
        procedures.erase(window);
    else
        procedures[window] = procedure;
}

void Set_Message_Translator(MESSAGE_TRANSLATOR new_translator) {
    translator = new_translator;
}

int Post_Window_Message(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (queue.size() >= static_cast<size_t>(MESSAGE_QUEUE_LIMIT)) {
        Report_Platform_Error("Message queue full in Post_Window_Message(%u,%u)", window, code);
        return 0;
    }
    queue.push_back({{window, code, wparam, lparam}, next_sequence++});
    return 1;
}

intptr_t Send_Window_Message(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam) {
    if (Is_Window(window)) {
        ++handled_messages;
        return Call_Window_Procedure(Get_Window_Procedure(window), window, code, wparam, lparam);
    }
    auto found = procedures.find(window);
    if (found == procedures.end()) return 0;
    ++handled_messages;
    return found->second(window, code, wparam, lparam);
}

bool Peek_Window_Message(WINDOW_MESSAGE* message, bool remove) {
    Get_Platform_Backend().Poll_Events();
    Resolve_Front_Input_Messages();
    if (!queue.empty()) {
        if (message != nullptr) *message = queue.front().Message;
        if (remove) queue.pop_front();
        return true;
    }
    if (Find_Paint_Message(message)) return true;
    uint32_t now = Get_Tick_Count();
    int due = Find_Due_Timer(now);
    if (due < 0) return false;
    WINDOW_MESSAGE timer_message = Take_Timer_Message(due, now, remove);
    if (message != nullptr) *message = timer_message;
    return true;
}

bool Take_Posted_Window_Message(WINDOW_MESSAGE* message) {
    Get_Platform_Backend().Poll_Events();
    Resolve_Front_Input_Messages();
    if (queue.empty()) return false;
    if (message != nullptr) *message = queue.front().Message;
    queue.pop_front();
    return true;
}

int Get_Window_Message(WINDOW_MESSAGE* message) {
    for (;;) {
        if (!quit_requested && Peek_Window_Message(message, true)) return 1;
        if (quit_requested) {
            if (message != nullptr)
                *message = {NO_WINDOW, MSG_QUIT,
                            static_cast<uintptr_t>(static_cast<intptr_t>(quit_exit_code)), 0};
            return 0;
        }
        if (!Get_Platform_Backend().Wait_For_Events(Time_To_Next_Timer(Get_Tick_Count()))) {
            if (message != nullptr) *message = {NO_WINDOW, MSG_NULL, 0, 0};
            return -1;
        }
    }
}

intptr_t Dispatch_Window_Message(const WINDOW_MESSAGE& message) {
    if (message.Code == MSG_PAINT) {
        intptr_t result = Send_Window_Message(message.Window, MSG_PAINT, message.Wparam, message.Lparam);
        // A procedure that did not paint would be asked again for ever.
        if (Is_Window(message.Window)) Validate_Window(message.Window);
        return result;
    }
    if (message.Code == MSG_TIMER) {
        for (const WINDOW_TIMER& timer : timers) {
            if (timer.Window == message.Window && timer.Id == message.Wparam && timer.Callback != nullptr) {
                // The callback may set or kill timers, so nothing of `timer` is used after it.
                TIMER_CALLBACK callback = timer.Callback;
                ++handled_messages;
                callback(message.Window, timer.Id, Get_Tick_Count());
                return 0;
            }
        }
    }
    return Send_Window_Message(message.Window, message.Code, message.Wparam, message.Lparam);
}

void Pump_Messages() {
    Get_Platform_Backend().Poll_Events();
    const uint64_t posted_before = next_sequence;
    const uint32_t entry_tick = Get_Tick_Count();
    for (Resolve_Front_Input_Messages(); !queue.empty() && queue.front().Sequence < posted_before;
         Resolve_Front_Input_Messages()) {
        WINDOW_MESSAGE message = queue.front().Message;
        queue.pop_front();
        Translate_And_Dispatch_Message(message);
    }
    // Every window paints at most once: painting validates it.
    WINDOW_MESSAGE paint;
    for (int painted = 0; painted < MESSAGE_QUEUE_LIMIT && Find_Paint_Message(&paint); ++painted)
        Dispatch_Window_Message(paint);
    // Timers due at entry fire once each: firing moves a timer past the entry
    // tick, so the pump always returns.
    for (int due = Find_Due_Timer(entry_tick); due >= 0; due = Find_Due_Timer(entry_tick))
        Translate_And_Dispatch_Message(Take_Timer_Message(due, Get_Tick_Count(), true));
}

int Run_Message_Loop_Until(bool (*done)(void* context), void* context) {
    WINDOW_MESSAGE message;
    for (;;) {
        if (done != nullptr && done(context)) return 1;
        if (quit_requested) return 0;
        int got = Get_Window_Message(&message);
        if (got <= 0) return got;
        Translate_And_Dispatch_Message(message);
    }
}

uint64_t Get_Handled_Message_Count() {
    return handled_messages;
}

void Request_Quit(int exit_code) {
    quit_requested = true;
    quit_exit_code = exit_code;
}

bool Is_Quit_Requested() {
    return quit_requested;
}

int Get_Quit_Exit_Code() {
    return quit_exit_code;
}

void Set_Window_Timer(WINDOW_HANDLE window, uint32_t timer_id, uint32_t period, TIMER_CALLBACK callback) {
    if (period == 0) period = 1;
    uint32_t due = Get_Tick_Count() + period;
    for (WINDOW_TIMER& timer : timers) {
        if (timer.Window == window && timer.Id == timer_id) {
            timer.Period = period;
            timer.Due = due;
            timer.Callback = callback;
            return;
        }
    }
    timers.push_back({window, timer_id, period, due, callback});
}

bool Kill_Window_Timer(WINDOW_HANDLE window, uint32_t timer_id) {
    for (auto it = timers.begin(); it != timers.end(); ++it) {
        if (it->Window == window && it->Id == timer_id) {
            timers.erase(it);
            return true;
        }
    }
    return false;
}

void Kill_Window_Timers(WINDOW_HANDLE window) {
    for (auto it = timers.begin(); it != timers.end();)
        it = it->Window == window ? timers.erase(it) : it + 1;
}

bool Has_Window_Timer(WINDOW_HANDLE window, uint32_t timer_id) {
    for (const WINDOW_TIMER& timer : timers)
        if (timer.Window == window && timer.Id == timer_id) return true;
    return false;
}

void Reset_Message_Queue() {
    queue.clear();
    timers.clear();
    procedures.clear();
    translator = nullptr;
    quit_requested = false;
    quit_exit_code = 0;
}
