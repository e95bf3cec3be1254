#pragma once
// The crash handler: on a fatal signal (segmentation fault, bus error,
// illegal instruction, arithmetic fault, abort) it appends a text report to
// the program's log and writes the same report into a crash file of its own,
// then lets the signal end the process as it would have. The report holds
// the program's own line, the signal, a backtrace and the most recent error
// lines. It runs on its own stack, so a stack overflow is reported too.

struct CRASH_REPORT_SETUP {
    const char* Log_File;        // the log the report is appended to
    const char* Crash_File_Stem; // crash file: stem + "-%03d.txt" with the tick count mod 1,000
    const char* User_Stream;     // first report line, followed by " [calendar seconds]"
    const char* Last_Error_Text; // the most recent error lines, read at crash time
};

// Installs the handler for the fatal signals; the texts are copied (the last
// error text is read where it lies when the crash comes). Returns false when
// the handler could not be installed.
bool Install_Crash_Handler(const CRASH_REPORT_SETUP& setup);
// Restores the handling the signals had before.
void Remove_Crash_Handler();
