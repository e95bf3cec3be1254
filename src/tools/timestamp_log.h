#pragma once
// Timing lines of long steps in the diagnostics log.

// Appends "year,text,milliseconds within the hour,minutes:seconds.milliseconds"
// to "debug.txt", the year being the season's calendar year.
void Log_Timestamp_Line(const char* text);
