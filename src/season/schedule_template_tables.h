#pragma once
// The fixed season schedules of the league shapes the real league once had
// (schedule_template_tables*.cpp, written by scripts/schedule_templates.py).
#include <cstdint>

// One season's table: a grid of weeks by game cells. A cell names the slot of
// the visiting team and of the home team (-128 in both for a cell without a
// game); the 32-team tables also give each game its day number (1 is 1
// September of the season) and kickoff (hhmm).
struct SCHEDULE_TEMPLATE {
    int32_t Year;
    int32_t Slots;
    int32_t Weeks;
    int32_t Cells;
    // 2 for tables of slots only, 4 for tables with days and kickoffs.
    int32_t Fields;
    const int8_t (*Games)[2];
    const int16_t (*Times)[2];
    // The slot of each team of that season's league, its teams sorted by name.
    const int8_t* Slot_Map;
    // The division block of each slot: slots of one block are one division.
    const int8_t* Division_Blocks;
};

extern const SCHEDULE_TEMPLATE Early_Schedule_Templates[7];
extern const SCHEDULE_TEMPLATE Schedule_Templates_2002[7];
extern const SCHEDULE_TEMPLATE Schedule_Templates_2009[7];
extern const SCHEDULE_TEMPLATE Schedule_Templates_2016[7];
