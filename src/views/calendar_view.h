#pragma once
// The calendar page (view 40036): one team's season week by week with its
// results or kickoffs and five chosen statistic columns.
#include <cstdint>

#include "platform/drawing_surface.h"

constexpr int32_t CALENDAR_COLUMN_SETTING = 119; // 119-123
constexpr int32_t CALENDAR_COLUMN_COUNT = 5;
constexpr int32_t CALENDAR_STATS = 20;
constexpr int32_t CALENDAR_CHOOSING_MARKER = 20;
constexpr int32_t CALENDAR_WEEKS = 22;

void Paint_Calendar_View(DEVICE_CONTEXT* dc);
// 1 over a column heading, the title band or a week row with a game, else 0.
int32_t Is_Calendar_Hot_Spot(int32_t x, int32_t y);
// A week row: a coming week advances the calendar to it, a played one opens
// its game in the Games view. True when the click acted.
bool Do_Calendar_Click(int32_t x, int32_t y);
// The text of calendar statistic `stat` for the team's game of `week`;
// `out` holds at least 32 bytes.
void Get_Calendar_Stat_Text(int32_t team, int32_t week, int32_t stat, char* out);
// The kickoff hhmm on a 12-hour clock: 1300 "1:00", 1200 and 2400 "12:00".
void Format_Kickoff_Time(int32_t hhmm, char* out);
// The left edge of column heading k (0-5, 5 the right edge of the last).
int32_t Get_Calendar_Heading_X(int32_t k);
