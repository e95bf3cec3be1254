#pragma once
// Key codes of MSG_KEY_DOWN and MSG_KEY_UP. Letters and digits are their
// upper-case characters, so 'A' and '7' name the keys; the other keys have
// codes of their own above the character range.
#include <cstdint>

constexpr uint32_t KEY_BACKSPACE = 8;
constexpr uint32_t KEY_TAB = 9;
constexpr uint32_t KEY_ENTER = 13;
constexpr uint32_t KEY_ESCAPE = 27;
constexpr uint32_t KEY_SPACE = 32;
constexpr uint32_t KEY_SLASH = '/';
constexpr uint32_t KEY_MINUS = '-';
constexpr uint32_t KEY_EQUALS = '=';
constexpr uint32_t KEY_COMMA = ',';
constexpr uint32_t KEY_PERIOD = '.';

constexpr uint32_t KEY_F1 = 0x201; // F1 .. F12 are KEY_F1 + 0 .. 11
constexpr uint32_t KEY_F12 = KEY_F1 + 11;
constexpr uint32_t KEY_LEFT = 0x220;
constexpr uint32_t KEY_RIGHT = 0x221;
constexpr uint32_t KEY_UP = 0x222;
constexpr uint32_t KEY_DOWN = 0x223;
constexpr uint32_t KEY_HOME = 0x224;
constexpr uint32_t KEY_END = 0x225;
constexpr uint32_t KEY_PAGE_UP = 0x226;
constexpr uint32_t KEY_PAGE_DOWN = 0x227;
constexpr uint32_t KEY_INSERT = 0x228;
constexpr uint32_t KEY_DELETE = 0x229;

// Modifier bits in lparam of the key messages.
constexpr uint32_t KEY_MODIFIER_SHIFT = 1;
constexpr uint32_t KEY_MODIFIER_CONTROL = 2;
constexpr uint32_t KEY_MODIFIER_ALT = 4;

constexpr uint32_t Function_Key(int n) {
    return KEY_F1 + static_cast<uint32_t>(n - 1);
}
