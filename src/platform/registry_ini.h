#pragma once
// The program's registry values, kept in a small ini file per user: one
// section per key path ("[SOFTWARE\...\2019]"), one "name=type:value" line per
// value, where the type is "text" or "number". The file is rewritten whole
// through a temporary file, so a failed write leaves the old one.
#include <cstdint>
#include <string>

// Where the file lives: $XDG_CONFIG_HOME/SportsKorva/registry.ini (else
// ~/.config/...) unless set here (tests); an empty path restores the default.
void Set_Registry_File_Path(const char* path);
std::string Get_Registry_File_Path();

// Opens the key, creating it (and its file) when missing; `created` tells
// which. False when the file cannot be read or written.
bool Open_Registry_Key(const char* key, bool* created);
bool Set_Registry_Text(const char* key, const char* name, const char* text);
bool Set_Registry_Number(const char* key, const char* name, uint32_t value);
bool Get_Registry_Text(const char* key, const char* name, std::string* text);
bool Get_Registry_Number(const char* key, const char* name, uint32_t* value);
// Why the last call failed, naming the file ("\"<path>\" has a line of ...");
// empty when it did not fail for a reason of the file's. A file larger than
// the game writes (1 MB, or a line over 16 KB) is refused unread and left as
// it is; a value that would make such a line is not stored.
std::string Get_Registry_Failure();
