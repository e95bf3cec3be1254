#include "database/text_format.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

int safe_sprintf(char* buffer, int size, const char* format, ...) {
    if (buffer == nullptr || size <= 0) return 0;
    va_list args;
    va_start(args, format);
    int result = vsnprintf(buffer, static_cast<size_t>(size), format, args);
    va_end(args);
    buffer[size - 1] = '\0';
    return result;
}

int safe_strcatf(char* buffer, int size, const char* format, ...) {
    if (buffer == nullptr || size <= 0) return 0;
    size_t length = strnlen(buffer, static_cast<size_t>(size));
    if (length == static_cast<size_t>(size)) return 0;
    va_list args;
    va_start(args, format);
    vsnprintf(buffer + length, static_cast<size_t>(size) - length, format, args);
    va_end(args);
    buffer[size - 1] = '\0';
    return static_cast<int>(strlen(buffer));
}

int Get_Next_Field(char* field, char* line, char delimiter, int field_size) {
    if (field == nullptr || line == nullptr) return 1;
    size_t end = 0;
    while (line[end] != '\0' && line[end] != delimiter)
        ++end;
    if (field_size > 0) {
        size_t kept = end < static_cast<size_t>(field_size - 1) ? end : static_cast<size_t>(field_size - 1);
        std::memmove(field, line, kept);
        field[kept] = '\0';
    }
    if (line[end] == '\0') {
        line[0] = '\0';
        return 1;
    }
    std::memmove(line, line + end + 1, strlen(line + end + 1) + 1);
    return 0;
}

void Keep_Letters_Only(char* text) {
    if (text == nullptr) return;
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in)
        if ((*in >= 'A' && *in <= 'Z') || (*in >= 'a' && *in <= 'z')) *out++ = *in;
    *out = '\0';
}

void Remove_Character(char* text, char character) {
    if (text == nullptr) return;
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in)
        if (*in != character) *out++ = *in;
    *out = '\0';
}

void Make_Upper_Case(char* text) {
    if (text == nullptr) return;
    for (char* c = text; *c != '\0'; ++c)
        if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
}

void Pad_String_Left(char* text, int length) {
    if (text == nullptr) return;
    int current = static_cast<int>(strlen(text));
    if (current >= length) return;
    int blanks = length - current;
    std::memmove(text + blanks, text, static_cast<size_t>(current) + 1);
    std::memset(text, ' ', static_cast<size_t>(blanks));
}

void Pad_String_Left_Double(char* text, int length) {
    if (text == nullptr) return;
    int current = static_cast<int>(strlen(text));
    if (current >= length) return;
    int blanks = 2 * (length - current);
    std::memmove(text + blanks, text, static_cast<size_t>(current) + 1);
    std::memset(text, ' ', static_cast<size_t>(blanks));
}

const char* stristr(const char* text, const char* pattern) {
    if (text == nullptr || pattern == nullptr) return nullptr;
    size_t pattern_length = strlen(pattern);
    for (const char* start = text;; ++start) {
        if (strncasecmp(start, pattern, pattern_length) == 0) return start;
        if (*start == '\0') return nullptr;
    }
}

void Swap_Strings(char* first, char* second, int size) {
    if (first == nullptr || second == nullptr || size <= 0) return;
    std::string held(first, strnlen(first, static_cast<size_t>(size)));
    safe_strncpy(first, std::string(second, strnlen(second, static_cast<size_t>(size))).c_str(), size);
    safe_strncpy(second, held.c_str(), size);
}
