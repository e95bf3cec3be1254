#pragma once
// Finding files by a wildcard pattern and copying without overwriting.
#include <string>
#include <vector>

// Names (not paths) of the files in `folder` (a path of this machine, as the
// path resolver gives it) matching `pattern` ('*' and '?', case ignored), as
// the game's text (Text_From_File_Name), folders left out, sorted by name,
// each once; empty when the folder is missing.
std::vector<std::string> Find_Files(const std::string& folder, const std::string& pattern);
// Copies the regular file `from` to `to` unless `to` exists; true when
// copied. A copy that fails part way leaves no `to` behind.
bool Copy_File_Without_Overwrite(const std::string& from, const std::string& to);
