#pragma once
// A text file a test wrote, line by line.
#include <string>
#include <vector>

// The lines of the file at `path` without their line ends (none for a file
// that cannot be read).
std::vector<std::string> Read_File_Lines(const std::string& path);
