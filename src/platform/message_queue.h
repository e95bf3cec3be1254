#pragma once
// The one message queue of the program and the loops that drain it.
//
// Messages are {window, code, wparam, lparam}. Posted messages come out in the
// order posted; when none is waiting, a window with an invalid area gets a
// paint message, and only then does a due timer yield a timer message. Asking
// the program to quit sets a flag that stays set: every loop, nested or not,
// tests it and unwinds, so a modal wait, a progress loop and the main loop
// all end on one request.
#include <cstdint>

#include "platform/handles.h"
#include "platform/window_messages.h"

struct WINDOW_MESSAGE {
    WINDOW_HANDLE Window;
    uint32_t Code;
    uintptr_t Wparam;
    intptr_t Lparam;
};

using WINDOW_PROCEDURE = intptr_t (*)(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
using TIMER_CALLBACK = void (*)(WINDOW_HANDLE window, uint32_t timer_id, uint32_t tick);
// Offered every message before it is dispatched; returns true when it handled
// the message (the frame's accelerator table).
using MESSAGE_TRANSLATOR = bool (*)(const WINDOW_MESSAGE& message);

// Most messages the queue holds; a post beyond it is refused and reported.
constexpr int MESSAGE_QUEUE_LIMIT = 10000;

// Gives a bare handle, one that is no window of the window tree, a procedure
// of its own (nullptr removes it): a target for posted messages without any
// of a window's furniture. Windows get theirs from their class
// (platform/windows.h).
void Set_Window_Procedure(WINDOW_HANDLE window, WINDOW_PROCEDURE procedure);
void Set_Message_Translator(MESSAGE_TRANSLATOR translator);

// Appends a message; returns 1, or 0 when the queue is full.
int Post_Window_Message(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Calls the window's procedure at once; 0 when there is no such window.
intptr_t Send_Window_Message(WINDOW_HANDLE window, uint32_t code, uintptr_t wparam, intptr_t lparam);
// Non-blocking: fills `message` with the next message (removing it when
// `remove`) and returns true, or returns false when none is waiting.
bool Peek_Window_Message(WINDOW_MESSAGE* message, bool remove);
// As Peek_Window_Message with removal, but posted messages only.
bool Take_Posted_Window_Message(WINDOW_MESSAGE* message);
// Blocking: 1 with the next message; 0 when the program is asked to quit (the
// message is then MSG_QUIT with the exit code in wparam); -1 when nothing can
// ever arrive (no display, empty queue, no timer), so a wait cannot hang.
int Get_Window_Message(WINDOW_MESSAGE* message);
// Hands the message to its timer callback or window procedure.
intptr_t Dispatch_Window_Message(const WINDOW_MESSAGE& message);

// Dispatches every message waiting at the call (translator first), then
// paints what is invalid and fires the timers due, and returns; messages
// posted meanwhile wait for the next call.
void Pump_Messages();
// Offers the message to the translator, then dispatches it.
void Translate_And_Dispatch_Message(const WINDOW_MESSAGE& message);
// How many messages have been handed to a window procedure, a timer callback
// or the translator so far. Whatever only the user can change (through a
// window or a dialog) has not changed while this count stands still.
uint64_t Get_Handled_Message_Count();

// A nested loop: gets and dispatches messages until `done(context)` holds
// (returns 1), the program is asked to quit (0), or nothing can arrive (-1).
int Run_Message_Loop_Until(bool (*done)(void* context), void* context);

void Request_Quit(int exit_code);
bool Is_Quit_Requested();
int Get_Quit_Exit_Code();

// Starts or restarts timer `timer_id` of `window`: due `period` ms from now and
// every `period` ms after (a period of 0 counts as 1). With a callback the
// timer message goes to the callback instead of the window procedure.
void Set_Window_Timer(WINDOW_HANDLE window, uint32_t timer_id, uint32_t period, TIMER_CALLBACK callback);
// Returns true when the timer existed.
bool Kill_Window_Timer(WINDOW_HANDLE window, uint32_t timer_id);
// Kills every timer of `window` (a window being destroyed).
void Kill_Window_Timers(WINDOW_HANDLE window);
bool Has_Window_Timer(WINDOW_HANDLE window, uint32_t timer_id);

// Empties the queue, the timers, the bare procedures and the quit flag.
void Reset_Message_Queue();
