#include "reports/html_text_writer.h"

#include <cstdarg>
#include <cstring>
#include <string>

#include "database/path_resolver.h"
#include "database/player_record.h"
#include "reports/html_text.h"
#include "reports/template_engine.h"

namespace {
bool Is_Open(const HTML_TEXT_WRITER* writer) {
    return writer != nullptr && writer->File != nullptr && writer->Buffer != nullptr;
}

// The text after the buffer's content, flushed first when it does not fit.
bool Append_Bytes(HTML_TEXT_WRITER* writer, const char* text, size_t length) {
    if (!Is_Open(writer) || text == nullptr || length >= HTML_TEXT_WRITER_BUFFER_SIZE) return false;
    if (writer->Used + length >= HTML_TEXT_WRITER_BUFFER_SIZE && !Flush_HTML_Text_Writer(writer))
        return false;
    std::memcpy(writer->Buffer + writer->Used, text, length);
    writer->Used += length;
    writer->Buffer[writer->Used] = '\0';
    return true;
}
} // namespace

bool Open_HTML_Text_Writer(HTML_TEXT_WRITER* writer, const char* path) {
    if (writer == nullptr || path == nullptr) return false;
    *writer = {};
    FILE* file = Open_Resolved_File(path, "wt");
    if (file == nullptr) return false;
    writer->File = file;
    writer->Buffer = new char[HTML_TEXT_WRITER_BUFFER_SIZE]();
    return true;
}

bool Append_HTML_Formatted_Text(HTML_TEXT_WRITER* writer, const char* format, ...) {
    if (!Is_Open(writer) || format == nullptr) return false;
    // Formatted once into the free part; when it did not fit, once more
    // into the whole buffer, flushed.
    for (int32_t attempt = 0; attempt < 2; ++attempt) {
        const size_t room = HTML_TEXT_WRITER_BUFFER_SIZE - writer->Used;
        va_list arguments;
        va_start(arguments, format);
        const int length = std::vsnprintf(writer->Buffer + writer->Used, room, format, arguments);
        va_end(arguments);
        if (length < 0) break;
        if (static_cast<size_t>(length) < room) {
            writer->Used += static_cast<size_t>(length);
            return true;
        }
        // What did not fit is no part of the text.
        std::memset(writer->Buffer + writer->Used, 0, room);
        if (attempt == 1 || !Flush_HTML_Text_Writer(writer)) break;
    }
    writer->Buffer[writer->Used] = '\0';
    return false;
}

bool Append_HTML_Text(HTML_TEXT_WRITER* writer, const char* text) {
    return text != nullptr && Append_Bytes(writer, text, std::strlen(text));
}

bool Append_HTML_Text_Line(HTML_TEXT_WRITER* writer, const char* text) {
    if (text == nullptr) return false;
    const std::string line = std::string(text) + "\n";
    return Append_Bytes(writer, line.c_str(), line.size());
}

bool Replace_HTML_Text(HTML_TEXT_WRITER* writer, const char* text) {
    if (!Is_Open(writer) || text == nullptr) return false;
    const size_t length = std::strlen(text);
    if (length >= HTML_TEXT_WRITER_BUFFER_SIZE) return false;
    std::memset(writer->Buffer, 0, HTML_TEXT_WRITER_BUFFER_SIZE);
    std::memcpy(writer->Buffer, text, length);
    writer->Used = length;
    return true;
}

bool Flush_HTML_Text_Writer(HTML_TEXT_WRITER* writer) {
    if (!Is_Open(writer)) return false;
    const bool written = std::fwrite(writer->Buffer, 1, writer->Used, writer->File) == writer->Used;
    std::memset(writer->Buffer, 0, writer->Used);
    writer->Used = 0;
    return written;
}

bool Close_HTML_Text_Writer(HTML_TEXT_WRITER* writer) {
    if (writer == nullptr) return false;
    bool closed = Is_Open(writer) && Flush_HTML_Text_Writer(writer);
    if (writer->File != nullptr) closed = std::fclose(writer->File) == 0 && closed;
    delete[] writer->Buffer;
    *writer = {};
    return closed;
}

bool Append_Player_Link(HTML_TEXT_WRITER* writer, int32_t team, int32_t slot, int32_t format) {
    if (!Is_Player_Slot_Used(team, slot)) return Append_HTML_Text(writer, "<a href=\"\">INVALID-PLAYER</a>");
    if (format != PLAYER_LINK_FIRST_LAST && format != PLAYER_LINK_LAST_FIRST)
        return Append_HTML_Text(writer, "<a href=\"\">UNKNOWN-FORMAT</a>");
    char first[PLAYER_NAME_TEXT_SIZE] = "", last[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_First_Name(team, slot, first);
    Get_Player_Last_Name(team, slot, last);
    Restore_Shortened_First_Name(first, sizeof first);
    const std::string first_text = Escape_HTML_Text(first), last_text = Escape_HTML_Text(last);
    const int32_t id = Get_Player_Vital_Stat(team, slot, VITAL_PLAYER_ID);
    if (format == PLAYER_LINK_FIRST_LAST)
        return Append_HTML_Formatted_Text(writer, "<a href=\"ID/%d.html\">%s %s</a>", id, first_text.c_str(),
                                          last_text.c_str());
    return Append_HTML_Formatted_Text(writer, "<a href=\"ID/%d.html\">%s, %s</a>", id, last_text.c_str(),
                                      first_text.c_str());
}
