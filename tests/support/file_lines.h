#pragma once
// A text file a test wrote, line by line or whole.
#include <string>
#include <vector>

// The lines of the file at `path` without their line ends (none for a file
// that cannot be read).
std::vector<std::string> Read_File_Lines(const std::string& path);
// The whole file at `path`, byte for byte ("" for a file that cannot be read).
std::string Read_File_Text(const std::string& path);
