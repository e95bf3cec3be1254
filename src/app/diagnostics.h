#pragma once
// The diagnostics log "debug.txt" and error reporting.

// Logs "%ld ERROR: %s" to debug.txt (and, with SHOW_SYSTEM_ERRORS, asks in a
// box); always returns -1, which callers pass on as their failure value.
int Report_System_Error(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Logs "%ld %s" to debug.txt.
void Log_Debug_Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
