#pragma once
// The headings the main-window views offer for their chosen columns: the
// calendar's columns, the finances' columns and the standings' columns (the
// leader categories' headings are the leaders' own, leader_values.h). Each
// writes the heading of an index into `out` (`size` bytes); an index out of
// range writes an empty text. Two-line headings hold "\n".
#include <cstdint>
#include <string>

constexpr int32_t CALENDAR_STAT_HEADINGS = 20;
constexpr int32_t FINANCE_STAT_HEADINGS = 50;
constexpr int32_t STANDINGS_STAT_HEADINGS = 48;

void Get_Calendar_Stat_Heading(int32_t index, char* out, int32_t size);
// Heading 2 names the league the views show ("%s Titles"); without a salary
// cap "Payroll" reads "Payroll Budget".
void Get_Finance_Stat_Heading(int32_t index, char* out, int32_t size);
void Get_Standings_Stat_Heading(int32_t index, char* out, int32_t size);
// A heading on one line (its line breaks become spaces), as buttons and
// lists show it.
std::string Get_One_Line_Heading(const char* heading);
