#pragma once
// League text made safe for the pages the reports write: HTML escaping,
// file names made from league names, and links to those files. A page's file
// name and every link to it come from the same function, so a link never
// misses its page and a name never leads outside the export folder.
#include <cstdint>
#include <string>

// The text with "&", "<", ">", '"' and "'" written as references, control
// characters dropped and the Windows-1252 letters above 127 written as
// numeric references, so the page is plain ASCII whatever its reader.
std::string Escape_HTML_Text(const char* text);

// A league name as one file name, in the game's text: "/", "\" and control
// characters become "-", leading dots and blanks are dropped, and the name is
// cut at a whole letter within 200 bytes of its spelling on disk (UTF-8, as
// the path resolver writes it). Never empty ("_" stands for a name with
// nothing left).
std::string Make_Safe_File_Name(const char* name);

// A relative path of the game's text as a link to the file the path
// resolver names by it: spelled in UTF-8, every byte but letters, digits,
// "-", ".", "_", "~" and "/" percent-encoded.
std::string Encode_Link_Path(const std::string& path);
// A relative path as the file system spells it (one the path resolver gave)
// as a link to that very file: its bytes as they are, percent-encoded as above.
std::string Encode_Disk_Link_Path(const std::string& path);
