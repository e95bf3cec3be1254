#include "reports/html_text.h"

#include <cstdio>

#include "platform/text_encoding.h"

namespace {
constexpr size_t FILE_NAME_LIMIT = 200;

bool Is_Link_Safe(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}
} // namespace

std::string Escape_HTML_Text(const char* text) {
    std::string out;
    if (text == nullptr) return out;
    for (const char* p = text; *p != '\0'; ++p) {
        const auto c = static_cast<uint8_t>(*p);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if (c < 0x20 || c == 0x7F) break;
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (const uint32_t letter = Windows_1252_Letter(c); letter != 0) {
                char reference[16];
                std::snprintf(reference, sizeof reference, "&#%u;", letter);
                out += reference;
            }
            break;
        }
    }
    return out;
}

std::string Make_Safe_File_Name(const char* name) {
    std::string out;
    if (name != nullptr) {
        bool leading = true;
        for (const char* p = name; *p != '\0'; ++p) {
            const auto c = static_cast<uint8_t>(*p);
            if (leading && (c == '.' || c == ' ')) continue;
            leading = false;
            const bool kept = !(c == '/' || c == '\\' || c < 0x20 || c == 0x7F || Windows_1252_Letter(c) == 0);
            out += kept ? static_cast<char>(c) : '-';
        }
    }
    out = Fit_File_Name(out, FILE_NAME_LIMIT);
    return out.empty() ? std::string("_") : out;
}

std::string Encode_Link_Path(const std::string& path) {
    return Encode_Disk_Link_Path(File_Name_From_Text(path));
}

std::string Encode_Disk_Link_Path(const std::string& path) {
    std::string out;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (Is_Link_Safe(byte)) {
            out += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            out += escaped;
        }
    }
    return out;
}
