#pragma once
// Building season databases from the statistics files under "input/stats":
// the league of one season year, saved as "databases/universe-<year>.dat".
#include <cstdint>

constexpr int32_t FIRST_DATABASE_YEAR = 1951;
constexpr int32_t LAST_DATABASE_YEAR = 2022;

// Builds and saves the season of `year` (held within 1951-2022); the built
// league stays in the block. True when the database was saved.
bool Create_Season_Database(int32_t year);
// Create_Season_Database for every year from first to last (nothing when
// first > last), then the historical totals report. True when every year saved.
bool Create_Historical_Databases(int32_t first_year, int32_t last_year);
// 1951 through 2021, then the report.
bool Create_All_Historical_Databases();
