#pragma once
// Texts of a generated playbook: the whole field is cleared first, so a file
// holds no leftover bytes after a text and the same book gives the same bytes.
#include <cstring>
#include <string>

#include "database/safe_strings.h"

inline void Set_Book_Text(char* field, int size, const std::string& text) {
    std::memset(field, 0, static_cast<size_t>(size));
    safe_strncpy(field, text.c_str(), size);
}
