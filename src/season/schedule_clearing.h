#pragma once
// Emptying the league's schedule before a new one is entered.

// Every week of every active team: no opponent, no watch flag, no kickoff,
// weekday 0 and no game record.
void Clear_All_Team_Schedules();
