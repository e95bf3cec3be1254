#pragma once
// Numbers in words and ordinals, as read out in news texts and reports. Each
// writes at most FORMATTED_TEXT_SIZE bytes into `buffer`.
#include <cstdint>

#include "database/safe_strings.h"

// 0..2,147,483,647 in words ("one thousand and fifty"); "Cardinal error: %d" below 0.
void Format_Cardinal_Words(int32_t n, char* buffer);
// 1..999,999 as an ordinal in words ("twenty-third"); "Ordinal error: %d" otherwise.
void Format_Ordinal_Words(int32_t n, char* buffer);
// Digits and suffix: "1st", "12th", "102nd".
void Format_Ordinal_Number(int32_t n, char* buffer);
