#pragma once
// The league generator's small record files: one record a line, its fields
// parted by tabs.
#include <functional>
#include <sstream>
#include <string>

// Writes `text` as the whole file; false, with *error naming the file, when
// it cannot be written.
bool Write_Tab_File(const std::string& path, const std::string& text, std::string* error);
// Reads every line of the file through `read_line`, which takes the line's
// fields and returns false for a line that holds no `what`; false, with
// *error naming the file (and the line), when the file cannot be read or a
// line is refused.
bool Read_Tab_File(const std::string& path, const char* what,
                   const std::function<bool(std::istringstream& fields)>& read_line, std::string* error);
