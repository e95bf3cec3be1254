#pragma once
// Contracts for a league built from generated players: each player a
// contract of his desired length part-way through, then every franchise's
// salaries scaled to a payroll of 90 % of the cap.
#include <cstdint>

// A contract of the player's desired length, as many years left as his
// experience places him in it, the salary he demands and a bonus of a third
// of the salary over the whole contract.
void Set_Player_Initial_Contract(int32_t team, int32_t slot);
// Set_Player_Initial_Contract for every player of every franchise, stepping
// the progress window.
void Recalculate_All_Contracts();
// Scales each franchise's salaries and bonuses so its payroll comes to 90 %
// of the cap (of the inflated base-year cap without one), settling the
// difference in the team's cash.
void Calculate_Player_Contracts();
// The payroll Calculate_Player_Contracts aims at, in thousands.
int32_t Get_Target_Payroll();
