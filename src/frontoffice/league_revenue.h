#pragma once
// League-wide money: the wealth factor (the league's mean cash against the
// standard cash level) and the revenue shared by every team each week.
#include <cstdint>

constexpr int32_t MIN_WEALTH_FACTOR = 500;
constexpr int32_t MAX_WEALTH_FACTOR = 2000;

// Per mille: the mean cash of the active teams against the base cash, kept in
// 500..2000 and stored in League_Wealth_Factor. 1000 (nothing stored) in
// General Manager Mode; 0 (nothing stored) with no active team.
int32_t Update_League_Wealth_Factor();
// The stored wealth factor, recomputed first when it lies outside 500..2000.
int32_t Get_League_Wealth_Factor();
// The wealth factor money formulas use: the stored one in Owner Mode, else 1000.
int32_t Get_Effective_Wealth_Factor();
// Sets and returns Shared_Revenue_Per_Game: the base-year cap spread over the
// season's games plus 370,000, against the wealth factor, raised by the
// league's revenue setting, inflated.
int32_t Compute_Shared_Revenue_Per_Game();
// During the regular season every active team receives the shared revenue of
// the week (financial stats 9, 10 and cash).
void Pay_Shared_Revenue();
// Pays one team its shared revenue of the week.
void Pay_Team_Shared_Revenue(int32_t team);
