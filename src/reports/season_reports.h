#pragma once
// The season's text reports in the "Output" folder, written when the season is
// over, each only while its "Automatic Text Output" option is on. The number
// in each name is the season's year modulo 100.
#include <cstdint>

// "Output\Awards%02d.txt": most valuable player, defensive player and rookie
// of the year, and each league's Pro Bowl starters.
void Write_Awards_Report();
// "Output\Money-%02d.txt": every team's cash, payroll, ticket price, ticket
// revenue and attendance.
void Write_Money_Report();
// "Output\Stndng%02d.txt": each league's division standings and the playoff
// results round by round.
void Write_Standings_Report();
