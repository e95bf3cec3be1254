#pragma once
// What the owner may change by hand in the budget screens: the ticket price,
// the three concession prices and the two staff budgets, each moved one spin
// step at a time within its bounds, and only for the team the user runs
// (any team in Commissioner Mode).
#include <cstdint>

// Highest ticket price (cents), concession price (cents) and staff budget (dollars).
constexpr int32_t MOST_TICKET_PRICE = 50000;
constexpr int32_t MOST_CONCESSION_PRICE = 10000;
constexpr int32_t MOST_STAFF_BUDGET = 50000000;

// The user's team as the budget screens count it: an active franchise, the
// free agents (36) or a draft pool (38-40) as it stands; any other User_Team
// counts as 37 when it is 37 and as team 0 otherwise.
int32_t Get_Budget_User_Team();
// 1 when the user may change the team's prices and budgets.
int32_t Is_Team_Budget_Editable(int32_t team);

// One step of the ticket price: the money step up or down, floored to the
// step, then held to 0 .. $500.00.
int32_t Step_Ticket_Price(int32_t price, int32_t up);
// One step of a concession price: the money step of a quarter of the
// inflation, held to 0 .. $100.00 and not floored, so odd cents stay.
int32_t Step_Concession_Price(int32_t price, int32_t up);
// One step of a staff budget: 100 money steps, held to 0 .. 50,000,000, then
// floored to the step.
int32_t Step_Staff_Budget(int32_t budget, int32_t up);
