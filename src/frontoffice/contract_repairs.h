#pragma once
// Repairs of contract and salary data when a saved league is loaded.
#include <cstdint>

// Rookie contracts of the 2019 and later draft classes: four-year marker and
// the years left from the draft year; with `with_bonus` a signing bonus below
// 60 % of the pick's value is raised to it.
void Fix_Rookie_Contracts(int32_t with_bonus);
// The same for one player.
void Fix_Rookie_Contract(int32_t team, int32_t slot, int32_t with_bonus);
// Salaries ($K) above this are corrupt: a three-thousandth of the inflated
// base-year cap in dollars.
int32_t Get_Corrupt_Salary_Threshold();
// Asks once whether to repair corrupt salaries (above the threshold, or
// negative) and, when agreed, sets each to the salary the player is worth;
// then asks once whether to give franchises with negative cash the base cash.
void Fix_Corrupt_Salary_Data();
