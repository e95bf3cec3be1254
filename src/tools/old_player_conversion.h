#pragma once
// In-place repairs of players and game records saved by older versions, and
// the sweep of players no position can hold, run by every load.

// Removes every player whose position code is not one of the 15 positions;
// each roster that lost a player is compacted, its order kept.
void Remove_Invalid_Position_Players();
// Repairs the return and blocking ratings of the franchises' players of files
// older than version 1400, and removes a player rated above 70 as both a
// returner and a blocker; each roster that lost a player is compacted.
void Repair_Player_Ratings();
// In each game record the 16-bit fields at offsets 42 and 46 take the values
// older files kept at 52 and 56.
void Convert_Old_Game_Records();
// Every used player of teams 0-40 whose depth-slot byte does not stand for his
// position gets his position there.
void Convert_Old_Player_Positions();
// Every used player of teams 0-40: the uniform number from vital statistic 9,
// the rings from vital statistic 18 (then cleared), and the draft code
// A x 10,000 + B rewritten as A x 100,000 + B. For converted layouts only: a
// second run would multiply the draft codes again.
void Convert_Old_Player_Fields();
