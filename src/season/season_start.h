#pragma once
// The start of a season: the set-up after the college draft and the start of
// the regular season with its schedule.
#include <cstdint>

// After the college draft: draft picks move on a year, game records and the
// season's team totals are cleared, undrafted prospects become free agents,
// rosters are filled, the new year's rules apply, and the season starts.
void Setup_New_Season();
// Week 0: bracket, yearly fields and standings reset, ratings normalised,
// computer teams prepared, the schedule generated. With `copy_logos` set the
// season's team logos are copied first.
void Start_Season(int32_t copy_logos);
// The league's need, depth and strength norms of every position, as the
// computer general managers weigh their rosters against them.
void Compute_League_Position_Norms();
