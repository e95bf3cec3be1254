#pragma once
// A buffered text writer for pages: a file opened as text and a buffer of
// 65,536 bytes that is written out when it is full, flushed or closed; and a
// writer of links to players' pages ("ID/<id>.html").
#include <cstdint>
#include <cstdio>

constexpr size_t HTML_TEXT_WRITER_BUFFER_SIZE = 65536;

struct HTML_TEXT_WRITER {
    FILE* File = nullptr;
    char* Buffer = nullptr; // zero-filled; holds Used bytes and a NUL after them
    size_t Used = 0;
};

// Player link formats.
constexpr int32_t PLAYER_LINK_FIRST_LAST = 1; // "First Last"
constexpr int32_t PLAYER_LINK_LAST_FIRST = 2; // "Last, First"

// Opens `path` for writing as text with an empty buffer; false when the file
// cannot be made (the writer is left closed).
bool Open_HTML_Text_Writer(HTML_TEXT_WRITER* writer, const char* path);
// Appends formatted text: into the buffer's free part, or (when it does not
// fit there) into the buffer flushed first. A text longer than the whole
// buffer is refused: false, and nothing of it is written.
bool Append_HTML_Formatted_Text(HTML_TEXT_WRITER* writer, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// Appends a text, or a text and "\n"; refused (false) like the above.
bool Append_HTML_Text(HTML_TEXT_WRITER* writer, const char* text);
bool Append_HTML_Text_Line(HTML_TEXT_WRITER* writer, const char* text);
// The buffer holds `text` in place of what it held; refused when too long.
bool Replace_HTML_Text(HTML_TEXT_WRITER* writer, const char* text);
// Writes the buffer's text to the file and empties the buffer; false when
// the file takes less than all of it.
bool Flush_HTML_Text_Writer(HTML_TEXT_WRITER* writer);
// Flushes, closes the file and releases the buffer; false when any of it fails.
bool Close_HTML_Text_Writer(HTML_TEXT_WRITER* writer);

// Appends a link to the player's page: `<a href="ID/<id>.html">` and his name
// as the format asks ("First Last", "Last, First"), escaped, then "</a>";
// `<a href="">UNKNOWN-FORMAT</a>` for another format and
// `<a href="">INVALID-PLAYER</a>` for a slot without a player. A first name
// the name field cut short gets its last letter back.
bool Append_Player_Link(HTML_TEXT_WRITER* writer, int32_t team, int32_t slot, int32_t format);
