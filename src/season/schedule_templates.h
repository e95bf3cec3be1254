#pragma once
// Fixed season schedules for leagues of the shapes the real league once had.
// A fill routine places the league's teams on the slots of a season table
// and enters its games week by week; it expects every team's schedule empty
// and takes the active teams to be slots 0 .. n - 1.
#include <cstdint>

#include "season/schedule_template_tables.h"

// 12 teams, 12 games (the 1959 table).
void Fill_12_Team_Schedule();
// 26 teams, 14 games (1972).
void Fill_26_Team_Schedule();
// 28 teams, 14 games (1976).
void Fill_28_Team_14_Game_Schedule();
// 28 teams, 16 games before 1990 (1986) and from 1990 (1990, with open weeks).
void Fill_28_Team_Schedule_Before_1990();
void Fill_28_Team_Schedule();
// 30 teams, 16 games (1998).
void Fill_30_Team_Schedule();
// 31 teams, 16 games (2001).
void Generate_Schedule();
// 32 teams in eight divisions of four: 16 games (2002-2020 tables) and 17
// games (2021 and 2022 tables).
void Fill_Schedule();
void Fill_17_Game_Schedule();

// The table that follows the real season of `year`, or null.
const SCHEDULE_TEMPLATE* Find_Schedule_Template(int32_t year);
// Field 0 (visitor slot), 1 (home slot), 2 (day number) or 3 (kickoff) of a
// cell of a season table; -128 at or past the table's bounds.
int32_t Get_Schedule_Opponent(int32_t year, int32_t week, int32_t cell, int32_t field);
int32_t Get_2001_NFL_Schedule_Opponent(int32_t week, int32_t cell, int32_t field);
int32_t Get_2017_NFL_Schedule_Opponent(int32_t week, int32_t cell, int32_t field);
// The 1959 table as a pairing table: side 0 the visitor's slot, 1 the home team's.
int32_t Get_12_Team_Schedule_Pairing(int32_t week, int32_t game, int32_t side);

// Division x 4 + place in the division's standings: the slot of a team on
// the 32-team tables. A team in no standings row is reported and gets
// division x 4 - 128.
int32_t Get_Team_Template_Slot(int32_t team);
