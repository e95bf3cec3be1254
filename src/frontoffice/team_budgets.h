#pragma once
// Automatic prices and staff budgets of computer-run teams (and of every team
// when a league is set up), and the staff quality they buy.
#include <cstdint>

// Ticket price, the three concession prices and both staff budgets from the
// team's price level and cash.
void Set_Automatic_Team_Budgets(int32_t team);
// Runs Set_Automatic_Team_Budgets for every active team; with the flag set it
// skips human-run franchises. Nothing changes while Commissioner Mode is on.
void Set_All_Automatic_Budgets(int32_t skip_human_teams);
// Scouting budget per game in proportion to the franchise value.
void Set_Automatic_Scouting_Budget(int32_t team);
// Medical budget per game in proportion to the payroll.
void Set_Automatic_Medical_Budget(int32_t team);
// Staff quality as the automatic budgets would keep it, then those budgets.
void Reset_Team_Staff_Quality(int32_t team);
