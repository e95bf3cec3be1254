#pragma once
// The game's text is Windows-1252, one byte a letter; the desktop's text is
// UTF-8: the names of files and folders on disk, typed and pasted text, the
// clipboard and the pages the reports write. These are the conversions at
// that boundary, and the one table of the code page's letters.
#include <cstddef>
#include <cstdint>
#include <string>

// The Unicode letter a byte of the game's text stands for; 0 for the five
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) that stand for none.
uint32_t Windows_1252_Letter(uint8_t byte);
// The byte of the game's text for a Unicode letter, -1 when it has none.
// The five bytes that stand for no letter answer their own code points
// (U+0081 and the like), so that every byte has one letter and back.
int32_t Windows_1252_Byte(uint32_t letter);

// The number of bytes of a Unicode letter (below 0x110000) in UTF-8.
size_t UTF8_Length(uint32_t letter);
// Appends a Unicode letter (below 0x110000) as UTF-8.
void Append_UTF8_Letter(std::string& out, uint32_t letter);
// Reads the UTF-8 letter at `text` into `letter` and returns its length in
// bytes: 0 at the terminating NUL; a byte that starts no well-formed,
// shortest letter of at most four bytes gives length 1 and letter
// UTF8_MALFORMED.
constexpr uint32_t UTF8_MALFORMED = 0xFFFFFFFFu;
size_t Read_UTF8_Letter(const char* text, uint32_t* letter);

// Game text as UTF-8, letter for letter; each of the five unused bytes
// becomes its own code point, so the conversion loses nothing.
std::string UTF8_From_Windows_1252(const std::string& text);
// UTF-8 as game text. A letter the game's text cannot hold, and a malformed
// byte, is dropped; `whole` (when given) tells whether nothing was.
std::string Windows_1252_From_UTF8(const char* text, bool* whole = nullptr);

// A file or folder name (or a path) of the game's text as the file system
// spells it: UTF-8.
std::string File_Name_From_Text(const std::string& text);
// The longest beginning of game text whose file name takes at most `limit`
// bytes: a letter beyond ASCII takes two or three.
std::string Fit_File_Name(const std::string& text, size_t limit);
// A name (or path) read from the file system as the game's text: each
// component between "/" separators that is UTF-8 whose every letter the
// game's text holds is converted; any other component (a name written in
// Windows-1252 bytes before names were converted, or one with letters the
// game cannot show) keeps its bytes, which the path resolver finds again.
std::string Text_From_File_Name(const std::string& name);

// Typed or pasted desktop text as game text: every letter of the code page
// is taken; the control letters U+0080-U+009F, letters the code page lacks
// and malformed bytes are dropped. Controls below 0x20 are kept for the
// caller to judge (a paste keeps its line breaks, typing drops them).
std::string Windows_1252_From_Desktop_Text(const char* text);
