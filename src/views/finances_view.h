#pragma once
// The finances page (view 40034): one league's teams and its average in eight
// chosen columns of money, history, staff and unit grades. Its title band and
// headings are clicked through the main window's mouse handling.
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t FINANCE_COLUMN_SETTING = 105; // 105-112
constexpr int32_t FINANCE_COLUMN_COUNT = 8;
constexpr int32_t FINANCE_CHOOSING_MARKER = 50;

void Paint_Finances_View(DEVICE_CONTEXT* dc);
// The team of row r (0-17) of the league: a team code, 255 for the league
// average row, NO_TEAM for a blank row.
int32_t Get_Finance_Row_Team(int32_t league, int32_t row);
