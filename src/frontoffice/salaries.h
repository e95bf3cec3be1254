#pragma once
// The league's salary scales: minimum salaries by year and experience, the
// values of draft picks, the rookie scale, the age curve, and the conversion
// between the standard cap (55,000,000) on which values are expressed and the
// league's money. Salaries are in thousands of dollars per year.
#include <cstdint>

// The cap on which player values and the pick and rookie scales are expressed.
constexpr int32_t STANDARD_CAP = 55000000;
constexpr int32_t NUMBER_OF_DRAFT_ROUNDS = 7;

// League minimum salary for the current calendar year and credited seasons
// (clamped to 0..10).
int32_t Get_League_Minimum_Salary(int32_t credited_seasons);
// The minimum of the player's credited seasons (negative counts as 0).
int32_t Get_Player_Minimum_Salary(int32_t team, int32_t slot);
// A standard-scale amount in the league's thousands: x x 208,200,000 /
// 55,000,000, rounded, then inflated.
int32_t Convert_Standard_Salary(int32_t amount);
// amount x 55,000,000 / cap, rounded; the cap is Salary_Cap or, without one,
// the inflated base-year cap.
int32_t Scale_To_Reference_Cap(int32_t amount);
// Value of a pick (round 0-6, pick 0 .. active teams - 1); 0 outside them.
int32_t Get_Draft_Pick_Value(int32_t round, int32_t pick);
// Yearly salary of a rookie drafted at (round 0-6, pick), never below the
// minimum for no experience; a round outside 0-6 gives that minimum.
int32_t Get_Rookie_Scale_Salary(int32_t round, int32_t pick);
// The rookie scale of a pick plus a quarter of its value: what a team's own
// pick will cost it.
int32_t Get_Rookie_Scale_Plus_Quarter_Pick_Value(int32_t round, int32_t pick);
// The rookie scale of the pick on the clock (Draft_Round, Draft_Pick).
int32_t Get_Rookie_Scale_On_The_Clock();
// The mean payroll of the active franchises in per mille of the salary cap,
// rounded; 0 without a cap or a franchise.
int32_t Get_League_Payroll_Average_Per_Cap();
// amount x the age curve's percent / 100, rounded; ages clamp to 20..39.
int32_t Apply_Age_Salary_Curve(int32_t amount, int32_t age);
// A salary as contracts hold it: the minimum when not above it, otherwise
// rounded up to a multiple of 5 ($5,000).
int32_t Round_Salary_Up(int32_t salary, int32_t minimum);
