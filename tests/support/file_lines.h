#pragma once
// A text file a test wrote, line by line or whole, and how much the process has read.
#include <string>
#include <vector>

// The lines of the file at `path` without their line ends (none for a file
// that cannot be read).
std::vector<std::string> Read_File_Lines(const std::string& path);
// The whole file at `path`, byte for byte ("" for a file that cannot be read).
std::string Read_File_Text(const std::string& path);
// Bytes this process has read from files and devices so far (-1 where the
// system does not tell).
long long Bytes_Read_So_Far();
