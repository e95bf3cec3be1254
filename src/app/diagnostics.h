#pragma once
// The diagnostics log "debug.txt" in the current folder and error reporting.
//
// Every line starts with the calendar time in seconds since 1970 (its low 32
// bits). The file is opened and closed for each line so that it is complete up
// to a crash. The same lines go to the debugger output (platform/debugger.h:
// stderr when KORVA_DEBUG_OUTPUT is set).
#include <cstdint>

constexpr int LAST_ERROR_TEXT_SIZE = 2048;

// The most recent error lines, newest first, each ended by "\n"; at most 2,047
// characters. Written into crash reports.
extern char Last_Error_Text[LAST_ERROR_TEXT_SIZE];
// 1 at start; 0 once the user answered Cancel to a "System Error!" box.
extern int Error_Boxes_Enabled;

// Deletes "debug.txt" and writes the header: version, flags, operating system,
// platform layer and display.
void Write_Debug_Log_Header();

// Logs "%ld %s" to debug.txt and the debugger output.
void Log_Debug_Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Sends "%ld Debug: %s\n" to the debugger output only.
void Log_Debug_Output(const char* format, ...) __attribute__((format(printf, 1, 2)));
// As Log_Debug_Output, but only when `mask` shares a bit with Command_Line_Flags; returns 0.
int Log_Debug_Flagged(uint32_t mask, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Logs "%ld ERROR: %s", keeps the line in Last_Error_Text and, with
// SHOW_SYSTEM_ERRORS, asks "ENTER DEBUGGER?" in a "System Error!" box (Yes
// stops in an attached debugger, Cancel stops the boxes for the rest of the
// run). Always returns -1, which callers pass on as their failure value.
int Report_System_Error(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Actions of the debug stopwatch.
constexpr int DEBUG_TIMER_SHOW = 0;
constexpr int DEBUG_TIMER_START = 1;
constexpr int DEBUG_TIMER_STOP = 2;
constexpr int DEBUG_TIMER_LOG = 3;

// The stopwatch around long menu commands: start, stop, log "TIMER %d: %s" or
// show the time in a box captioned with the section's name. Returns the
// elapsed milliseconds of the last stop.
int Time_Debug_Section(const char* name, int action);

// Back to the start-of-run state: no error text, boxes enabled, stopwatch reset.
void Reset_Diagnostics();
