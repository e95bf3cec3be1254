#pragma once
// The real league's team records of the seasons up to 2022, read at the
// start of each such season.

// Reads "input/stats/team_records.csv" into the teams' yearly records.
void Load_Team_Records_CSV();
