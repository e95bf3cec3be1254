#pragma once
// Timing lines of the long season steps in the diagnostics log.

// Appends "year,text,ms,m:ss.mmm" to "debug.txt": the season's year, the text,
// the milliseconds within the current hour and the same as minutes, seconds
// and milliseconds.
void Log_Timestamp_Line(const char* text);
