#include "database/money_text.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
void Put_Text(char* buffer, const std::string& text) {
    if (buffer != nullptr) safe_strncpy(buffer, text.c_str(), FORMATTED_TEXT_SIZE);
}

std::string Number_With_Commas(int64_t value) {
    std::string digits = std::to_string(value);
    size_t first_digit = (value < 0) ? 1 : 0;
    // Built by appending only: prepending to a string trips gcc's -Wrestrict at -O3.
    std::string grouped = value < 0 ? "-" : "";
    size_t count = digits.size() - first_digit;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += ',';
        grouped += digits[first_digit + i];
    }
    return grouped;
}
} // namespace

void Format_Money_Thousands(int32_t thousands, char* buffer) {
    // Formed in 64 bits so that the most negative amount has a magnitude.
    int64_t a = thousands < 0 ? -static_cast<int64_t>(thousands) : thousands;
    char text[FORMATTED_TEXT_SIZE];
    const char* sign = thousands < 0 ? "-" : "";
    if (a >= 1000000)
        snprintf(text, sizeof text, "%s$%lld.%02lldB", sign, static_cast<long long>(a / 1000000),
                 static_cast<long long>((a % 1000000) / 10000));
    else if (a >= 100000)
        snprintf(text, sizeof text, "%s$%lldM", sign, static_cast<long long>(a / 1000));
    else if (a >= 1000)
        snprintf(text, sizeof text, "%s$%lld.%lldM", sign, static_cast<long long>(a / 1000),
                 static_cast<long long>((a % 1000) / 100));
    else
        snprintf(text, sizeof text, "%s$%lldK", sign, static_cast<long long>(a));
    Put_Text(buffer, text);
}

void Format_Money_Dollars(int32_t dollars, char* buffer) {
    Format_Money_Thousands(dollars / 1000, buffer);
}

void Format_Money_Commas(int32_t amount, char* buffer) {
    std::string text = "$";
    text += Number_With_Commas(amount);
    Put_Text(buffer, text);
}

void Format_Number_Commas(int32_t value, char* buffer) {
    Put_Text(buffer, Number_With_Commas(value));
}

void Format_Wide_Number_Commas(int64_t value, char* buffer) {
    Put_Text(buffer, Number_With_Commas(value));
}

// A negative value keeps its sign in front, so -1500 reads "-1.500" and -500
// reads "-.500".
void Format_Thousandths(int32_t value, char* buffer) {
    int64_t a = value < 0 ? -static_cast<int64_t>(value) : value;
    char text[FORMATTED_TEXT_SIZE];
    const char* sign = value < 0 ? "-" : "";
    if (a < 1000)
        snprintf(text, sizeof text, "%s.%03lld", sign, static_cast<long long>(a));
    else
        snprintf(text, sizeof text, "%s%lld.%03lld", sign, static_cast<long long>(a / 1000),
                 static_cast<long long>(a % 1000));
    Put_Text(buffer, text);
}

int32_t Parse_Money_Text(char* text) {
    if (text == nullptr) return 0;
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in)
        if (*in != '$' && *in != ',') *out++ = *in;
    *out = '\0';
    long long value = strtoll(text, nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}
