#include "database/string_table.h"

#include <cstring>

namespace {
struct STRING_RUN {
    int First_Id;
    int Count;
    const char* const* Texts;
};

const char* const FAN_LOYALTY[] = {"Apathetic",    "Disinterested", "Fickle",  "Casual",
                                   "Enthusiastic", "Loyal",         "Devoted", "Fanatic"};
const char* const WEEKDAYS[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const char* const POSITIONS[] = {"Quarterback",   "Running Back",     "Fullback",   "Tight End",
                                 "Wide Receiver", "Tackle",           "Guard",      "Center",
                                 "Defensive End", "Defensive Tackle", "Linebacker", "Cornerback",
                                 "Safety",        "Kicker",           "Punter"};
const char* const MONTHS[] = {"January", "February", "March",     "April",   "May",      "June",
                              "July",    "August",   "September", "October", "November", "December"};
const char* const POSITION_SHORT[] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C",
                                      "DE", "DT", "LB", "CB", "S",  "K", "P"};
const char* const ORDINALS[] = {"first",     "second",      "third",      "fourth",     "fifth",
                                "sixth",     "seventh",     "eighth",     "ninth",      "tenth",
                                "eleventh",  "twelfth",     "thirteenth", "fourteenth", "fifteenth",
                                "sixteenth", "seventeenth", "eighteenth", "nineteenth"};
const char* const ORDINAL_STEMS[] = {"twent", "thirt", "fort", "fift", "sixt", "sevent", "eight", "ninet"};
const char* const CARDINALS[] = {"zero",    "one",     "two",       "three",    "four",
                                 "five",    "six",     "seven",     "eight",    "nine",
                                 "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                 "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
const char* const TENS[] = {"twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
const char* const SUFFIXES[] = {"th", "st", "nd", "rd", "th"};
const char* const STAT_SEASONS[] = {"This Season", "Last Season", "Career", "Predicted"};

template <int N> constexpr STRING_RUN Run(int first_id, const char* const (&texts)[N]) {
    return {first_id, N, texts};
}

const STRING_RUN STRING_RUNS[] = {
    Run(13, FAN_LOYALTY),    Run(21, WEEKDAYS),  Run(28, POSITIONS),     Run(43, MONTHS),
    Run(59, POSITION_SHORT), Run(74, ORDINALS),  Run(93, ORDINAL_STEMS), Run(101, CARDINALS),
    Run(121, TENS),          Run(129, SUFFIXES), Run(143, STAT_SEASONS),
};
} // namespace

const char* Find_Resource_String(int id) {
    for (const STRING_RUN& run : STRING_RUNS)
        if (id >= run.First_Id && id < run.First_Id + run.Count) return run.Texts[id - run.First_Id];
    return nullptr;
}

int Load_Resource_String(int id, char* buffer) {
    if (buffer == nullptr) return 0;
    const char* text = Find_Resource_String(id);
    if (text == nullptr) text = "";
    size_t length = strnlen(text, RESOURCE_STRING_LIMIT - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}
