#pragma once
// Money and grouped numbers as the game shows them: "$1.5M", "$1.23B",
// "1,234,567". Each writes at most FORMATTED_TEXT_SIZE bytes into `buffer`.
#include <cstdint>

#include "database/safe_strings.h"

// Short money text of an amount in thousands of dollars.
void Format_Money_Thousands(int32_t thousands, char* buffer);
// The same for an amount in dollars (truncated to whole thousands).
void Format_Money_Dollars(int32_t dollars, char* buffer);
// "$" and the amount with thousands separators.
void Format_Money_Commas(int32_t amount, char* buffer);
// Decimal digits with "," every three digits.
void Format_Number_Commas(int32_t value, char* buffer);
// The same for amounts past the int32 range (a salary in thousands times 1000).
void Format_Wide_Number_Commas(int64_t value, char* buffer);
// A per-mille value as "%d.%03d", or ".%03d" below 1000.
void Format_Thousandths(int32_t value, char* buffer);
// Removes every "$" and "," from `text` (in place) and reads the rest as a
// decimal integer.
int32_t Parse_Money_Text(char* text);
