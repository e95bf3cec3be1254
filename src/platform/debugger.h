#pragma once
// The "debugger output" of the diagnostics log and breaking into a debugger.
//
// Debugger output goes to stderr only when asked for, so tests and normal runs
// stay quiet: set the environment variable KORVA_DEBUG_OUTPUT to anything but
// "" or "0", or call Set_Debugger_Output_Enabled.
#include <string>

void Write_Debugger_Output(const char* text);
void Set_Debugger_Output_Enabled(bool enabled);
bool Is_Debugger_Output_Enabled();
// Also appends everything written to the debugger output to `sink` (nullptr
// stops), whether or not stderr receives it; tests read the lines there.
void Capture_Debugger_Output(std::string* sink);

// True when a tracer (gdb, lldb, strace) is attached to this process.
bool Is_Debugger_Attached();
// Stops in the attached debugger; does nothing when none is attached, since an
// unhandled SIGTRAP would end the program.
void Break_Into_Debugger();
