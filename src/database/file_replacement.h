#pragma once
// Replacing a user's file safely: the new contents go to "<path>.tmp", reach
// the disk, and only then take the old file's name, so a failed write, a crash
// or a power loss leaves either the old file or the whole new one.
#include <cstdio>
#include <string>

// 1 when `path` is a file that its owner made read-only or that this user may
// not write; such a file is not to be replaced behind the user's back.
int Is_Read_Only_File(const std::string& path);

// Removes a temporary file that an earlier, killed write left beside `path`,
// then creates a fresh one. Null when it cannot be created (a folder of that
// name stays and makes it fail).
FILE* Open_Replacement_File(const std::string& path);

// Flushes and syncs the temporary file, closes it and, when `written` is true
// and all of that succeeded, renames it over `path` and syncs the folder. On
// any failure the temporary file is removed and `path` is left as it was.
// Returns 1 when `path` now holds the new contents.
int Commit_Replacement_File(FILE* file, const std::string& path, bool written);
