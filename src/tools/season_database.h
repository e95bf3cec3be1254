#pragma once
// Building season databases from the statistics files under "input/stats":
// the league of one season year, saved as "databases/universe-<year>.dat".
#include <cstdint>

constexpr int32_t FIRST_DATABASE_YEAR = 1951;
constexpr int32_t MODERN_DATABASE_YEAR = 2022;

// Builds and saves the season of `year` (held within 1951-2022); the built
// league stays in the block. 1 when the database was saved.
int32_t Create_Season_Database(int32_t year);
// Every season from `first_year` to `last_year`, then the historical totals
// report. 1 when every database was saved.
int32_t Create_Historical_Databases(int32_t first_year, int32_t last_year);
// Every season from 1951 to 2021, then the historical totals report.
int32_t Create_All_Historical_Databases();
