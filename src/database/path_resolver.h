#pragma once
// Installation file names mix "\" and "/" and the case of their folders
// ("Databases/..." and "databases/...", "Output\..." and "output/..."). Every
// file the game opens by such a name goes through this one resolver.
#include <cstdio>
#include <string>

// Turns `name`, a path of the game's Windows-1252 text, into a path of this
// machine, whose names are UTF-8: both separators work, and each component
// that exists on disk is matched case-insensitively, in its UTF-8 spelling or,
// failing that, in the bytes given (a file named before names were
// converted). Components that do not exist yet are spelled in UTF-8.
std::string Resolve_File_Path(const char* name);

// Opens the resolved file; a file opened for writing is noted as made.
FILE* Open_Resolved_File(const char* name, const char* mode);

// Tells the resolver that this program has just made the file at `path` (a
// path it resolved), so that the folder's kept listing takes the new name
// instead of being read again for the next new file.
void Note_Created_File(const std::string& path);

// 1 when `name` can only name a file in the folder it is opened from: not
// empty, without "/" or "\\", and without "..".
int Is_Plain_File_Name(const char* name);
// Whether `name` holds a folder separator ("/" or "\\").
bool Has_Path_Separator(const char* name);
// Whether `name` holds a control character (below 0x20, or 0x7F).
bool Has_Control_Character(const char* name);
// Whether `name` names a file of the folder it is opened from, dots being
// letters like any other: not empty, without a separator or a control
// character.
bool Is_Folder_File_Name(const char* name);
// A plain file name that a picture's name is made from (a team's location, a
// player's photo key): no ":" either, which would give the image cache the
// flag letters behind it.
bool Is_Safe_Picture_Name(const char* name);
