#include "dialogs/typed_numbers.h"

#include <cctype>
#include <cinttypes>
#include <cmath>
#include <cstdlib>
#include <string>

#include "database/text_format.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"

namespace {
constexpr int32_t DECIMALS = 3;
constexpr int32_t FIRST_DATE_YEAR = 1850;
constexpr int32_t LAST_DATE_YEAR = 2100;

bool Is_Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without its surrounding blanks and without any "$" or ",".
std::string Cleaned(const char* text) {
    std::string kept;
    if (text == nullptr) return kept;
    for (const char* c = text; *c != '\0'; ++c)
        if (*c != '$' && *c != ',') kept.push_back(*c);
    size_t first = 0, last = kept.size();
    while (first < last && Is_Blank(kept[first]))
        ++first;
    while (last > first && Is_Blank(kept[last - 1]))
        --last;
    return kept.substr(first, last - first);
}

bool Is_Leap_Year(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
} // namespace

bool Parse_Typed_Number(const char* text, int64_t* value) {
    const std::string digits = Cleaned(text);
    size_t at = 0;
    bool negative = false;
    if (at < digits.size() && (digits[at] == '-' || digits[at] == '+')) negative = digits[at++] == '-';
    if (at == digits.size()) return false;
    // Accumulated as a negative number, which reaches the 64-bit minimum too.
    int64_t total = 0;
    for (; at < digits.size(); ++at) {
        const char c = digits[at];
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        const int64_t digit = c - '0';
        if (total < (INT64_MIN + digit) / 10) return false;
        total = total * 10 - digit;
    }
    if (!negative && total == INT64_MIN) return false;
    if (value != nullptr) *value = negative ? total : -total;
    return true;
}

bool Parse_Typed_Thousandths(const char* text, int32_t* value) {
    const std::string number = Cleaned(text);
    size_t at = 0;
    bool negative = false;
    if (at < number.size() && (number[at] == '-' || number[at] == '+')) negative = number[at++] == '-';
    int64_t whole = 0;
    int32_t digits = 0;
    for (; at < number.size() && std::isdigit(static_cast<unsigned char>(number[at])); ++at, ++digits) {
        whole = whole * 10 + (number[at] - '0');
        if (whole > INT32_MAX) return false;
    }
    int64_t fraction = 0;
    int32_t decimals = 0;
    if (at < number.size() && number[at] == '.') {
        for (++at; at < number.size() && std::isdigit(static_cast<unsigned char>(number[at])); ++at, ++digits)
            if (decimals < DECIMALS) {
                fraction = fraction * 10 + (number[at] - '0');
                ++decimals;
            }
    }
    if (digits == 0 || at != number.size()) return false;
    for (; decimals < DECIMALS; ++decimals)
        fraction *= 10;
    const int64_t magnitude = whole * 1000 + fraction;
    const int64_t signed_value = negative ? -magnitude : magnitude;
    if (signed_value < INT32_MIN || signed_value > INT32_MAX) return false;
    if (value != nullptr) *value = static_cast<int32_t>(signed_value);
    return true;
}

void Format_Typed_Thousandths(int32_t value, char* out, int32_t size) {
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    safe_sprintf(out, size, "%s%" PRId64 ".%03" PRId64, value < 0 ? "-" : "", magnitude / 1000,
                 magnitude % 1000);
}

bool Parse_Typed_Float(const char* text, float* value) {
    const std::string number = Cleaned(text);
    if (number.empty()) return false;
    char* end = nullptr;
    const float parsed = std::strtof(number.c_str(), &end);
    if (end == nullptr || *end != '\0' || !std::isfinite(parsed)) return false;
    // Only plain decimal text: no hexadecimal floats, infinities or "nan".
    for (char c : number)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '+' && c != 'e' &&
            c != 'E')
            return false;
    if (value != nullptr) *value = parsed;
    return true;
}

bool Is_Real_Date(int64_t yyyymmdd) {
    const int64_t year = yyyymmdd / 10000, month = yyyymmdd / 100 % 100, day = yyyymmdd % 100;
    if (year < FIRST_DATE_YEAR || year > LAST_DATE_YEAR || month < 1 || month > 12 || day < 1) return false;
    constexpr int32_t DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int64_t last = DAYS[month - 1] + (month == 2 && Is_Leap_Year(year) ? 1 : 0);
    return day <= last;
}

void Show_Field_Refused(const char* field, const char* rule, const char* kept) {
    Show_Formatted_Message("Invalid Entry", "%s %s. It keeps its value of %s.", field, rule, kept);
}

void Show_Number_Refused(const char* field, int64_t low, int64_t high, int64_t kept) {
    Show_Number_Refused(field, low, high, kept, nullptr);
}

void Show_Number_Refused(const char* field, int64_t low, int64_t high, int64_t kept, const int64_t* typed) {
    char rule[FORMATTED_TEXT_SIZE];
    // A side a 32-bit field sets no bound of its own is not named, unless the
    // typed number lies beyond it: that is the bound it broke.
    const bool name_low = low > INT32_MIN || (typed != nullptr && *typed < low);
    const bool name_high = high < INT32_MAX || (typed != nullptr && *typed > high);
    if (!name_low && !name_high)
        safe_sprintf(rule, sizeof rule, "must be a whole number");
    else if (!name_low)
        safe_sprintf(rule, sizeof rule, "must be a whole number of at most %" PRId64, high);
    else if (!name_high)
        safe_sprintf(rule, sizeof rule, "must be a whole number of at least %" PRId64, low);
    else
        safe_sprintf(rule, sizeof rule, "must be a whole number from %" PRId64 " to %" PRId64, low, high);
    char old[FORMATTED_TEXT_SIZE];
    safe_sprintf(old, sizeof old, "%" PRId64, kept);
    Show_Field_Refused(field, rule, old);
}

bool Read_Dialog_Number(WINDOW_HANDLE dialog, int32_t id, const char* field, int64_t low, int64_t high,
                        int64_t current, int64_t* value) {
    const std::string text = Get_Dialog_Item_Text(dialog, id);
    int64_t typed = 0;
    const bool parsed = Parse_Typed_Number(text.c_str(), &typed);
    if (parsed && (typed == current || (typed >= low && typed <= high))) {
        *value = typed;
        return true;
    }
    Show_Number_Refused(field, low, high, current, parsed ? &typed : nullptr);
    char shown[FORMATTED_TEXT_SIZE];
    safe_sprintf(shown, sizeof shown, "%" PRId64, current);
    Set_Dialog_Item_Text(dialog, id, shown);
    *value = current;
    return false;
}

bool Read_Dialog_Int(WINDOW_HANDLE dialog, int32_t id, const char* field, int64_t low, int64_t high,
                     int32_t current, int32_t* value) {
    int64_t wide = current;
    const bool taken = Read_Dialog_Number(dialog, id, field, low < INT32_MIN ? INT32_MIN : low,
                                          high > INT32_MAX ? INT32_MAX : high, current, &wide);
    *value = static_cast<int32_t>(wide);
    return taken;
}
