#pragma once
// Numbers the user types into the editors' fields. Whole numbers are read in
// 64 bits, so no typed value wraps into a smaller field; "$" and "," may stand
// anywhere in them ("$150,000,000"). Degrees are read as decimal text into
// thousandths, digit by digit, so that -73.935 is -73935 exactly and -0.500
// keeps its sign. A field refuses what is no number or lies outside it with a
// message that names the field, and keeps the value it had.
#include <cstdint>

#include "platform/handles.h"

// Blanks around, an optional sign, then digits; "$" and "," are dropped
// wherever they stand. False for anything else, for no digit at all, and
// beyond the 64-bit range.
bool Parse_Typed_Number(const char* text, int64_t* value);
// A decimal number ("-73.935", "40", ".5", "-0.500") in thousandths; digits
// past the third decimal are dropped (toward zero). False for anything else
// and beyond the 32-bit range.
bool Parse_Typed_Thousandths(const char* text, int32_t* value);
// "-73.935", "40.005", "-0.500": the sign in front, three decimals.
void Format_Typed_Thousandths(int32_t value, char* out, int32_t size);
// A decimal number with an optional fraction and exponent, as a float; false
// for anything else or a value that is no finite float.
bool Parse_Typed_Float(const char* text, float* value);

// True for a real calendar date written YYYYMMDD, years 1850-2100.
bool Is_Real_Date(int64_t yyyymmdd);

// Shows "<field> <rule>. It keeps its value of <kept>." under "Invalid Entry".
void Show_Field_Refused(const char* field, const char* rule, const char* kept);
// The same with the rule "must be a whole number from <low> to <high>" (or
// "of at most <high>", "of at least <low>" where a side is the 32-bit limit).
void Show_Number_Refused(const char* field, int64_t low, int64_t high, int64_t kept);
// The same for the number the user typed (null when the text was no number):
// a 32-bit limit the number lies beyond is named as well.
void Show_Number_Refused(const char* field, int64_t low, int64_t high, int64_t kept, const int64_t* typed);

// Reads edit `id` as a whole number of `field`. The number shown for
// `current` is taken back as it is; any other number must lie within
// low..high. A refused text is told (Show_Number_Refused), the edit shows
// `current` again and false is returned; `value` then holds `current`.
bool Read_Dialog_Number(WINDOW_HANDLE dialog, int32_t id, const char* field, int64_t low, int64_t high,
                        int64_t current, int64_t* value);
// The same for a 32-bit field.
bool Read_Dialog_Int(WINDOW_HANDLE dialog, int32_t id, const char* field, int64_t low, int64_t high,
                     int32_t current, int32_t* value);
