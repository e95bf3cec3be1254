#pragma once
// League-wide totals of past seasons gathered while season databases are
// built (the totals of year Y come from the build of Y + 1), and the report
// of per-year league averages "HistoricalStats.txt" written from them.
#include <cstdint>

// Adds one statistic of a season line of a player (team, slot) to the
// totals of its group, when the year is the one before the base year.
void Accumulate_League_History_Totals(int32_t team, int32_t slot, int32_t year, int32_t stat, int32_t value);
// Forgets the totals of one year, so a season built twice in a run counts once.
void Clear_League_History_Totals(int32_t year);
// The gathered total of one of the 13 tables for a year (0 outside the years kept).
int32_t Get_League_History_Total(int32_t table, int32_t year);
// Number of league teams by year.
int32_t Get_Historical_Team_Count(int32_t year);
// "HistoricalStats.txt": thirteen sections of 71 lines, 1951-2021.
void Write_Historical_Stats_Report();
