#pragma once
// The college draft's report "Output\College-Draft-%d.txt" (the draft's year),
// written line by line as the picks are made.
#include <cstdint>

// Deletes the file and starts it: an empty line, the title line and the
// header of the first round.
void Start_College_Draft_Report();
// An empty line and "================= %s ROUND =================" with the
// ordinal word of round + 1, its first letter upper case.
void Write_Draft_Round_Header(int32_t round);
// " %-15s %-25s (%s)": the drafting team's nickname (its first letter upper
// case for a human-run team), the pool player's full name and his position.
void Write_Draft_Pick_Report_Line(int32_t drafting_team, int32_t pool_team, int32_t pool_slot);
// The report's file name for the current year.
void Get_College_Draft_Report_Name(char* buffer, int32_t size);
