#pragma once
// Re-pricing contracts so that payrolls sit at a level the cap allows.
#include <cstdint>
#include <string>
#include <vector>

// Scales the salaries (never below a player's league minimum, and leaving
// players paid exactly the minimum alone) and bonuses of a team, up to 20
// passes, until its payroll is within two per mille of `target` dollars.
// Returns the first per-mille ratio (0 for an empty payroll).
int32_t Scale_Team_Payroll(int32_t team, int64_t target);
// The payroll level in dollars Balance_Team_Payrolls aims a team at: 92 % of
// the cap for a payroll at the cap, rising with the payroll to at most 97 %.
int64_t Get_Balanced_Payroll_Target(int64_t payroll_thousands, int64_t cap);
// Fresh contracts for every player, then, under a cap, every active team's
// payroll scaled to its balanced target.
void Balance_Team_Payrolls();
// The active teams whose payroll lies below `percent` per cent of the cap,
// one line each: "<abbreviation> stores a payroll of $<payroll> against a cap
// of $<cap>". None for a league without a cap.
std::vector<std::string> Find_Payrolls_Below_Cap_Share(int32_t percent);
