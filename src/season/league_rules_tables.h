#pragma once
// The salary caps of the seasons the real league published, in dollars.
#include <cstdint>

constexpr int32_t FIRST_PUBLISHED_CAP_YEAR = 1994;
constexpr int32_t LAST_PUBLISHED_CAP_YEAR = 2022;

// The published cap of a year in 1994-2022; 0 outside.
int32_t Get_Published_Salary_Cap(int32_t year);
