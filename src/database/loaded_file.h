#pragma once
// The file the league in the block was read from, when the reading converted
// an older layout: that file is the user's only copy of the old game, so a
// save over it first keeps it beside the new one.
#include <string>

// Called by every successful read: `converted_version` is the older layout's
// version, or 0 when the file needed no conversion.
void Remember_Loaded_File(const char* file_name, int converted_version);

// The name the original of a converted file is kept under: "<stem> (v4.102)"
// with the file's extension, or "<stem> (v4.102) 2" and on when that is taken.
std::string Get_Kept_Original_Path(const std::string& path, int version);

// Called before `path` (a resolved path) is replaced by a save. When it is the
// converted file the league was read from, copies it to its kept name first.
// 1 when the save may go on; 0, after telling the user, when the original
// could not be kept.
int Keep_Converted_Original(const std::string& path);
