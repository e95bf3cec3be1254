#pragma once
// The college draft as the calendar starts and ends it: the Play menu's Start
// Draft and Continue Draft commands, the picks in order with traded and
// forfeited picks, the user's turn, the rookie terms of a user's pick, and
// the clean-up of prospects' experience.
#include <cstdint>

#include "personnel/draft_input_files.h"
#include "personnel/draft_report.h"

// The Play menu's "Start College Draft": order, report, strategy, then the draft.
void Finish_Off_Season();
// The Play menu's "Continue Draft".
void College_Draft_Menu_Command();
// Shows the draft board and clears the trade offer, then runs picks until a
// human team is on the clock (unless Multi_Season_Simulation is set) or the
// draft ends; every end sets up the new season. No pick when no draft runs.
void Run_College_Draft();
// Run_College_Draft without the word to the user: true when a human team is
// on the clock of a running draft, for the caller to bring its windows up to
// date before Prompt_User_Draft_Pick.
bool Run_Computer_Draft_Picks();
// The pick now on the clock, made by the computer whoever owns it; a
// forfeited pick is logged, a pick without an owner passes. Then the clock
// moves on. An empty pool ends the draft instead.
void Make_Current_Draft_Pick();
// One pick: the pool player moves to the drafting team with a season line of
// the draft year, his draft slot code and drafting team, and his this, last
// and career seasons cleared. Returns his new slot; -1, with nothing changed
// and the error logged, when (pool team, pool slot) names no player of the
// pool list or the drafting team has no room.
int32_t Draft_Player(int32_t drafting_team, int32_t pool_team, int32_t pool_slot);
// Rookie terms of a pool player the user is about to take: four years, and a
// bonus from the pick's value shared by his pool value against the pool's best.
void Sign_Drafted_Player(int32_t pool_team, int32_t pool_slot);
// That bonus in thousands for the pick on the clock (the pool's values are
// brought up to date first).
int32_t Get_Rookie_Draft_Bonus(int32_t pool_team, int32_t pool_slot);
// The clock moves to the next pick; after the last pick of a round the next
// round's header is written; after the seventh round the draft ends, and so
// does it when the pool is empty (with the empty-pool message).
void Advance_Draft_Pick();
// Makes the team on the clock the user's team and tells the user to pick.
void Prompt_User_Draft_Pick();
// "Round %d: Pick #%d" (overall 0) or "Round %d: Overall Pick #%d" for the
// pick on the clock.
void Format_Draft_Clock_Text(char* buffer, int32_t size, int32_t overall);
// Prospects who joined a team or the free agents count no college seasons:
// negative credited seasons become 0.
void Clear_Negative_Experience();
