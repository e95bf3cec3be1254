#pragma once
// The program's own string table: the language-dependent texts (weekday, month
// and position names, number words) looked up by their fixed ids.

// Texts are loaded with this limit, terminator included.
constexpr int RESOURCE_STRING_LIMIT = 2048;

// Ids of the first entry of each run of texts.
constexpr int STRING_FAN_LOYALTY = 13;     // 13..20 "Apathetic" .. "Fanatic"
constexpr int STRING_WEEKDAY_NAMES = 21;   // 21..27 "Monday" .. "Sunday"
constexpr int STRING_POSITION_NAMES = 28;  // 28..42 long position names
constexpr int STRING_MONTH_NAMES = 43;     // 43..54 "January" .. "December"
constexpr int STRING_POSITION_SHORT = 59;  // 59..73 "QB" .. "P"
constexpr int STRING_ORDINAL_WORDS = 73;   // 73 + n for n = 1..19
constexpr int STRING_ORDINAL_STEMS = 91;   // 91 + n / 10 for the tens 20..90
constexpr int STRING_CARDINAL_WORDS = 101; // 101 + n for n = 0..19
constexpr int STRING_TENS_WORDS = 119;     // 119 + n / 10 for the tens 20..90
constexpr int STRING_ORDINAL_SUFFIX = 129; // 129..133 "th", "st", "nd", "rd", "th"
constexpr int STRING_STAT_SEASONS = 143;   // 143..146 "This Season" .. "Predicted"

// The text of `id`, or null when the table has no such entry.
const char* Find_Resource_String(int id);

// Copies the text of `id` into `buffer` (RESOURCE_STRING_LIMIT bytes at most,
// fewer when the text is shorter); an unknown id gives an empty text. Returns
// the length copied.
int Load_Resource_String(int id, char* buffer);
