#pragma once
// Reading back the diagnostics log a test run wrote, to check what was reported.
#include <string>
#include <vector>

// Removes debug.txt so the next reads see only what follows.
void Clear_Debug_Log();
// Every line of debug.txt without its time stamp ("ERROR: " kept for errors).
std::vector<std::string> Read_Debug_Log();
// The whole of debug.txt as one text, time stamps included.
std::string Read_Debug_Log_Text();
// Number of lines whose text (after the time stamp) contains `text`.
int Count_Debug_Lines(const std::string& text);
// Number of error lines ("ERROR: ..."), and of all lines.
int Count_Error_Lines();
int Count_All_Debug_Lines();
