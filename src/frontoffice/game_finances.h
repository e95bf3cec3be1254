#pragma once
// The money of one played game: the gate shared between the two teams, the
// home team's concessions and its fans' reaction to the ticket price, every
// game's operating expenses and, in the regular season, payroll, dividend and
// staff budgets.
#include <cstdint>

#include "database/game_record_layout.h"

// Books the game's money for both teams (called right after each game).
void Compute_Game_Finances(const GAME_RECORD* game);
// Beverages, food and souvenirs sold at the home team's game; returns their
// total profit in dollars. A product priced far above its demand costs a
// point of fan loyalty now and then.
int32_t Compute_Concession_Sales(int32_t home, const GAME_RECORD* game);
// A ticket dearer than the $50 standard (at standard income) may cost a point
// of fan loyalty, a cheaper one may win one.
void Update_Fan_Loyalty_For_Ticket_Price(int32_t home);
// One per-mille draw 0..999 of the league generator.
int32_t Draw_Per_Mille();
// The standard ticket in cents: $50 inflated.
int32_t Get_Standard_Ticket_Price();
