#pragma once
// How the platform layer reports a fault of its caller (a window that does not
// exist, a device context released too often, a full queue). The layer knows
// nothing of the program's log: the frame installs the reporter it wants, and
// until then the report goes to the debugger output.

using PLATFORM_ERROR_REPORTER = void (*)(const char* text);

// nullptr restores the default (debugger output).
void Set_Platform_Error_Reporter(PLATFORM_ERROR_REPORTER reporter);
void Report_Platform_Error(const char* format, ...) __attribute__((format(printf, 1, 2)));
