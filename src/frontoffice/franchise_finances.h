#pragma once
// Money of a franchise that joins the league.
#include <cstdint>

// Starting cash of a new franchise.
void Reset_Team_Cash(int32_t team);
// Ticket and concession prices and the staff budgets of a team.
void Set_Automatic_Team_Budgets(int32_t team);
