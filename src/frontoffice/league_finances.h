#pragma once
// Money of a new league: starting cash from each franchise's value, prices
// and budgets, an estimate of last season's books, and the franchise standing.
#include <cstdint>

// Sets up every active team's finances for a new game.
void Init_League_Finances();
// Staff quality, dividend and starting cash of every active team.
void Reset_All_Team_Cash();
// The same for one (new) franchise: half the base cash plus five times its
// value.
void Reset_Team_Cash(int32_t team);
// Fills last season's entries of a team's books as a season at its present
// prices and loyalty would have left them.
void Estimate_Last_Season_Finances(int32_t team);
// Re-runs the estimate for every active team.
void Estimate_All_Last_Season_Finances();
// Stat 74 of every active team: 100 for the smallest franchise value down to
// -100 for the largest, on the square roots of the values.
void Set_Franchise_Standing();
