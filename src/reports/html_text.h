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

// A league name as one file name: "/", "\" and control characters become
// "-", leading dots and blanks are dropped, Windows-1252 letters become
// UTF-8, and the name is cut at a whole letter within 200 bytes. Never empty
// ("_" stands for a name with nothing left).
std::string Make_Safe_File_Name(const char* name);

// A relative path as a link: every byte but letters, digits, "-", ".", "_",
// "~" and "/" is percent-encoded.
std::string Encode_Link_Path(const std::string& path);
