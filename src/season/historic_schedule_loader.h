#pragma once
// The real league's schedules of the seasons before 2001, read from the
// schedule files, and the shape tests the schedule generator asks first.
#include <cstdint>

// 1 when a balanced schedule of the season's year (or of a year before it)
// was entered from the schedule files, else 0.
int32_t Load_Historic_Schedule();
// 1 when the season's games do not fit the real league's schedules of its
// year: fewer than 12 games, 14 or more before 1961, 16 or more before 1978.
// Games per season above 17 are first stored as 17.
int32_t Skip_Historic_Schedule();
// 1 when each division 0-7 holds exactly four of the active teams.
int32_t Has_Eight_Divisions_Of_Four();
