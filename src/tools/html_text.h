#pragma once
// Text taken from saved web pages.
#include <cstdint>

// Longest text Strip_HTML_Tags keeps.
constexpr int32_t STRIPPED_TEXT_LIMIT = 2037;

// Removes every run from a '<' to the next '>' from the text, in place; a '<'
// without a '>' after it stays with the rest of the text. At most 2,037
// characters are kept.
void Strip_HTML_Tags(char* text);
