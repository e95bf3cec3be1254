#include "database/number_words.h"

#include <string>

#include "database/string_table.h"

namespace {
std::string Text_Of(int id) {
    const char* text = Find_Resource_String(id);
    return text ? text : "";
}

std::string Cardinal_Words(int32_t n) {
    if (n < 0) return "Cardinal error: " + std::to_string(n);
    if (n < 20) return Text_Of(STRING_CARDINAL_WORDS + n);
    if (n >= 1000000000) {
        std::string words = Cardinal_Words(n / 1000000000) + " billion";
        return n % 1000000000 == 0 ? words : words + " " + Cardinal_Words(n % 1000000000);
    }
    if (n >= 1000000) {
        std::string words = Cardinal_Words(n / 1000000) + " million";
        return n % 1000000 == 0 ? words : words + " " + Cardinal_Words(n % 1000000);
    }
    if (n >= 1000) {
        std::string words = Cardinal_Words(n / 1000) + " thousand";
        int32_t rest = n % 1000;
        if (rest == 0) return words;
        return words + (rest < 100 ? " and " : " ") + Cardinal_Words(rest);
    }
    if (n >= 100) {
        std::string words = Cardinal_Words(n / 100) + " hundred";
        return n % 100 == 0 ? words : words + " and " + Cardinal_Words(n % 100);
    }
    std::string tens = Text_Of(STRING_TENS_WORDS + n / 10);
    return n % 10 == 0 ? tens : tens + "-" + Text_Of(STRING_CARDINAL_WORDS + n % 10);
}

std::string Ordinal_Words(int32_t n) {
    if (n < 1 || n > 999999) return "Ordinal error: " + std::to_string(n);
    if (n % 1000 == 0) return Cardinal_Words(n / 1000) + " thousandth";
    if (n > 1000) {
        int32_t rest = n % 1000;
        return Cardinal_Words(n / 1000) + (rest < 100 ? " thousand and " : " thousand ") +
               Ordinal_Words(rest);
    }
    if (n % 100 == 0) return Cardinal_Words(n / 100) + " hundredth";
    if (n > 100) return Cardinal_Words(n / 100) + " hundred and " + Ordinal_Words(n % 100);
    if (n < 20) return Text_Of(STRING_ORDINAL_WORDS + n);
    std::string stem = Text_Of(STRING_ORDINAL_STEMS + n / 10);
    return n % 10 == 0 ? stem + "ieth" : stem + "y-" + Ordinal_Words(n % 10);
}

void Put_Text(char* buffer, const std::string& text) {
    if (buffer != nullptr) safe_strncpy(buffer, text.c_str(), FORMATTED_TEXT_SIZE);
}
} // namespace

void Format_Cardinal_Words(int32_t n, char* buffer) {
    Put_Text(buffer, Cardinal_Words(n));
}

void Format_Ordinal_Words(int32_t n, char* buffer) {
    Put_Text(buffer, Ordinal_Words(n));
}

// The suffix is chosen from the magnitude so that a negative value still gets
// a suffix from the table instead of an index before it.
void Format_Ordinal_Number(int32_t n, char* buffer) {
    int64_t magnitude = n < 0 ? -static_cast<int64_t>(n) : n;
    int64_t last_two = magnitude % 100;
    int64_t units = magnitude % 10;
    int suffix = (last_two >= 10 && last_two <= 19) ? 0 : static_cast<int>(units < 4 ? units : 4);
    Put_Text(buffer, std::to_string(n) + Text_Of(STRING_ORDINAL_SUFFIX + suffix));
}
