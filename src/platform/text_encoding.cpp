#include "platform/text_encoding.h"

namespace {
// Windows-1252 bytes 0x80-0x9F; 0 marks the five unused codes.
constexpr uint16_t WINDOWS_1252_HIGH[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool Is_Continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The letter a byte converts to, the unused bytes to their own code points.
uint32_t Byte_Code_Point(uint8_t byte) {
    const uint32_t letter = Windows_1252_Letter(byte);
    return letter != 0 || byte == 0 ? letter : byte;
}

// UTF-8 as game text; letters the code page lacks and malformed bytes are
// dropped, and so are the control letters U+0080-U+009F when asked.
std::string Convert_UTF8(const char* text, bool drop_controls, bool* whole) {
    std::string out;
    bool all = true;
    uint32_t letter = 0;
    for (size_t length; text != nullptr && (length = Read_UTF8_Letter(text, &letter)) != 0; text += length) {
        if (drop_controls && letter >= 0x80 && letter < 0xA0) continue;
        const int32_t byte = letter == UTF8_MALFORMED ? -1 : Windows_1252_Byte(letter);
        if (byte < 0)
            all = false;
        else
            out += static_cast<char>(byte);
    }
    if (whole != nullptr) *whole = all;
    return out;
}

std::string Component_Text(const std::string& component) {
    bool whole = true;
    std::string text = Windows_1252_From_UTF8(component.c_str(), &whole);
    return whole ? text : component;
}
} // namespace

uint32_t Windows_1252_Letter(uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0) return WINDOWS_1252_HIGH[byte - 0x80];
    return byte;
}

int32_t Windows_1252_Byte(uint32_t letter) {
    if (letter < 0x80 || (letter >= 0xA0 && letter <= 0xFF)) return static_cast<int32_t>(letter);
    for (int32_t n = 0; n < 32; ++n)
        if (WINDOWS_1252_HIGH[n] == letter || (WINDOWS_1252_HIGH[n] == 0 && letter == 0x80u + n))
            return 0x80 + n;
    return -1;
}

size_t UTF8_Length(uint32_t letter) {
    return letter < 0x80 ? 1 : letter < 0x800 ? 2 : letter < 0x10000 ? 3 : 4;
}

void Append_UTF8_Letter(std::string& out, uint32_t letter) {
    if (letter < 0x80) {
        out += static_cast<char>(letter);
    } else if (letter < 0x800) {
        out += static_cast<char>(0xC0 | (letter >> 6));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    } else if (letter < 0x10000) {
        out += static_cast<char>(0xE0 | (letter >> 12));
        out += static_cast<char>(0x80 | ((letter >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (letter >> 18));
        out += static_cast<char>(0x80 | ((letter >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((letter >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    }
}

size_t Read_UTF8_Letter(const char* text, uint32_t* letter) {
    const auto* c = reinterpret_cast<const unsigned char*>(text);
    *letter = UTF8_MALFORMED;
    if (c[0] == 0) {
        *letter = 0;
        return 0;
    }
    if (c[0] < 0x80) {
        *letter = c[0];
        return 1;
    }
    size_t length = 0;
    uint32_t code = 0;
    uint32_t least = 0;
    if (c[0] >= 0xC2 && c[0] < 0xE0) {
        length = 2, code = c[0] & 0x1F, least = 0x80;
    } else if (c[0] >= 0xE0 && c[0] < 0xF0) {
        length = 3, code = c[0] & 0x0F, least = 0x800;
    } else if (c[0] >= 0xF0 && c[0] < 0xF5) {
        length = 4, code = c[0] & 0x07, least = 0x10000;
    } else {
        return 1;
    }
    for (size_t n = 1; n < length; ++n) {
        if (!Is_Continuation(c[n])) return 1;
        code = (code << 6) | (c[n] & 0x3F);
    }
    // Overlong forms, surrogates and letters past U+10FFFF are not UTF-8.
    if (code < least || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return 1;
    *letter = code;
    return length;
}

std::string UTF8_From_Windows_1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        Append_UTF8_Letter(out, Byte_Code_Point(static_cast<uint8_t>(c)));
    return out;
}

std::string Windows_1252_From_UTF8(const char* text, bool* whole) {
    return Convert_UTF8(text, false, whole);
}

std::string Windows_1252_From_Desktop_Text(const char* text) {
    return Convert_UTF8(text, true, nullptr);
}

std::string File_Name_From_Text(const std::string& text) {
    return UTF8_From_Windows_1252(text);
}

std::string Fit_File_Name(const std::string& text, size_t limit) {
    size_t spelled = 0;
    size_t kept = 0;
    for (; kept < text.size(); ++kept) {
        const size_t length = UTF8_Length(Byte_Code_Point(static_cast<uint8_t>(text[kept])));
        if (spelled + length > limit) break;
        spelled += length;
    }
    return text.substr(0, kept);
}

std::string Text_From_File_Name(const std::string& name) {
    std::string out;
    size_t start = 0;
    while (true) {
        const size_t slash = name.find('/', start);
        out += Component_Text(
            name.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos) break;
        out += '/';
        start = slash + 1;
    }
    return out;
}
