#pragma once
// The real league's schedule of a season before 2001, read from the schedule
// files "Input/Schedules/<year>-NFL.csv" and "<year>-AFL.csv", the converter
// that writes those files from schedule text exports, and the shape tests the
// schedule makers ask.
#include <cstdint>

// The first season a schedule file may describe.
constexpr int32_t FIRST_SCHEDULE_FILE_YEAR = 1950;

// Enters the schedule of the season year, or of the latest year before it
// whose files give every active team the season's games (Games_Per_Season);
// each year whose files have games but do not fit is logged with the
// reason. 1 when a schedule was entered; 0 (the schedules cleared) when no
// year down to 1950 has a file with games that fits the league.
int32_t Load_Historic_Schedule();
// Enters the games of one schedule file; returns how many were entered (0 for
// a missing file). Names of teams the league does not know, and rows of a
// team against itself, are logged in one line a file each, with their count.
int32_t Read_Schedule_File(const char* path);
// 1 when the teams of each league play equally many games over weeks 0-17.
int32_t Is_Schedule_Balanced();
// 1 when the historic file is not to be used for the season's length.
int32_t Skip_Historic_Schedule();
// 1 when divisions 0-7 hold exactly four of the active teams each.
int32_t Has_Eight_Divisions_Of_Four();
// Converts "Input/Schedules/<name>.txt" into "<name>.csv"; 0 when the text
// export cannot be opened or the CSV file cannot be written (nothing is left
// of it then).
int32_t Write_Schedule_File(const char* name);
// "<year>-NFL" for 1950-2019 and "<year>-AFL" for 1960-1969.
void Convert_All_Schedule_Files();
// The slot of the 12-team template a team takes in the 1959 season; -128 for
// an index outside 0-11.
int32_t Get_1959_Schedule_Slot(int32_t team);
