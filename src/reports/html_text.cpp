#include "reports/html_text.h"

#include <cstdio>

namespace {
constexpr size_t FILE_NAME_LIMIT = 200;

// Windows-1252 bytes 0x80-0x9F; 0 marks the five unused codes.
constexpr uint16_t WINDOWS_1252_HIGH[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Unicode letter of a byte of league text; 0 for a byte that stands for none.
uint32_t Letter_Of(uint8_t c) {
    if (c >= 0x80 && c < 0xA0) return WINDOWS_1252_HIGH[c - 0x80];
    return c;
}

void Append_UTF8(std::string& out, uint32_t letter) {
    if (letter < 0x80) {
        out += static_cast<char>(letter);
    } else if (letter < 0x800) {
        out += static_cast<char>(0xC0 | (letter >> 6));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (letter >> 12));
        out += static_cast<char>(0x80 | ((letter >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    }
}

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
            } else if (const uint32_t letter = Letter_Of(c); letter != 0) {
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
            const uint32_t letter = Letter_Of(c);
            std::string piece;
            if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F || letter == 0)
                piece = "-";
            else
                Append_UTF8(piece, letter);
            if (out.size() + piece.size() > FILE_NAME_LIMIT) break;
            out += piece;
        }
    }
    return out.empty() ? std::string("_") : out;
}

std::string Encode_Link_Path(const std::string& path) {
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
