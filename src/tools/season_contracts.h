#pragma once
// Contracts of a built season: the salaries file from 2017, the model that
// brings pre-cap payrolls to 95 per cent of the cap, and the cap-room file
// that moves each payroll toward the team's cap figure.
#include <cstdint>

// "input/stats/<year>_salaries.csv", read from 2017 only: every salary is
// cleared, each line's player (by external id, id, or name, team and
// position) gets the line's weeks out, injury, contract years, salary,
// bonus, contract length and cap figure; players the league does not know
// go to "Input/Stats/Salaries-Missing.csv". Players with a salary are marked
// (vital 27).
void Load_Salaries_CSV();
struct STATS_LINE;
void Read_Salary_Line(const STATS_LINE& line);
// Every used player's salary 0.
void Clear_All_Salaries();
// Vital 27: 1 for a used player with a salary above 0, else 0.
void Mark_Contracted_Players();
// Before 2015: every active team's payroll scaled to 95 % of the cap.
void Set_Pre_Cap_Salaries();
// The last step before a built season is saved. A season without a salaries
// file (before 2017) has its payrolls balanced once more: first with every
// team priced against the league's cap room as it stood before the pass,
// then as a new game balances them. Pricing the league team by team against
// the room as it changes can leave the last teams at the league minimum,
// where scaling never moves them, and a season from 2015 is not balanced
// when a game starts, so the database must store the payrolls the game plays
// with. Real contracts are kept as they are.
void Balance_Built_Season_Payrolls();
// "input/stats/<year>_caproom.csv" (no header; a missing file is silent):
// each team's payroll moved by its players' cap figures toward the cap less
// its cap room, then bonuses dropped, shortest contracts first, while it is
// still above the cap.
void Load_Cap_Room_CSV();
// One line of the cap-room file (team name, cap room in dollars): the team's
// payroll moved toward the cap less its room, then bonuses dropped while it
// is above the cap. A name of no team is warned about, naming `file_name`,
// unless the line is the file's last.
void Read_Cap_Room_Line(const STATS_LINE& line, bool last_line, const char* file_name);
