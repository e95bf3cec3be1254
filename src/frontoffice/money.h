#pragma once
// Money operations of the finance model: inflation of the built-in amounts,
// the standard cash level, money steps, and a team's payroll, payroll budget
// and operating expenses. Amounts are dollars unless said otherwise.
#include <cstdint>

#include "database/random_numbers.h"

// The cap of the base year, in dollars; with no inflation a league's cap.
constexpr int32_t BASE_YEAR_CAP = 208200000;
// The per capita income ($) at which prices and costs stand as built in.
constexpr int32_t STANDARD_INCOME = 25000;
// Games per season at most, as every reader caps it.
constexpr int32_t MAX_GAMES_PER_SEASON = 17;

// round(a x b / c) on 64-bit operands (128-bit product): halves rounded away
// from zero, 0 when a or c is 0.
int64_t Mul_Div_Round_64(int64_t a, int64_t b, int64_t c);

// round(amount x Inflation_Factor / 1000).
int32_t Apply_Inflation(int32_t amount);
// The standard cash level: 26,025,000 inflated.
int32_t Get_Base_Cash();
// Step of the money spin buttons and automatic prices for a per-mille amount
// (callers pass Inflation_Factor, or a quarter of it for concession prices).
int32_t Get_Money_Step(int32_t amount);
// The money step of Inflation_Factor in thousands of dollars, as dollars:
// the step of the trade screens' cash and of the computer's cash offers.
int32_t Get_Money_Step_Dollars();
// The amount rounded to the nearest multiple of the money step, halves up.
int32_t Round_To_Money_Step(int32_t amount);
// The amount floored to a multiple of `step` (step 0 leaves it).
int32_t Floor_To_Step(int32_t amount, int32_t step);
// Games per season (capped at 17).
int32_t Get_Games_Per_Season();
// True in Owner Mode; in General Manager Mode the getter answers neutral money.
bool Is_Owner_Mode();

// True after the regular season (week above max(Season_Length, 2)).
bool Is_Post_Season_Week();
// True for the college draft pool slots 38-40.
bool Is_Draft_Pool_Team(int32_t team);
// Per capita income of the team's home city, in dollars.
int32_t Get_Team_Per_Capita_Income(int32_t team);
// That income per mille of the standard 25,000.
int32_t Get_Team_Income_Ratio(int32_t team);

// (projected revenue + the inflated base-year cap) / 2 + (cash - base cash) / 4.
int32_t Get_Team_Payroll_Budget(int32_t team);
// The salary cap in dollars, or without one the team's payroll budget.
int32_t Get_Cap_Or_Payroll_Budget(int32_t team);
// Dollars of salary paid per game: each player's salary x 1000 / games.
int32_t Get_Team_Payroll_Per_Game(int32_t team);
// Operating expenses of one game: (per capita income + 25,000) x 20, inflated.
int32_t Get_Team_Operating_Expenses(int32_t team);
// The sum of a financial statistic over the active franchises, and how many
// there are.
int64_t Sum_Active_Team_Financial_Stat(int32_t n, int32_t* teams);
// Adds to a stored financial statistic (cash is clamped by the setter).
void Add_Team_Financial_Stat(int32_t team, int32_t n, int64_t amount);
