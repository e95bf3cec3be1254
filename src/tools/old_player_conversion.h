#pragma once
// In-place repairs of players and game records saved by older versions, and
// the sweep of players no position can hold, run by every load.

// Removes every player whose position code is not one of the 15 positions.
void Remove_Invalid_Position_Players();
// Repairs the return and blocking ratings of the franchises' players of files
// older than version 1400, and removes (in place) a player rated above 70 as
// both a returner and a blocker.
void Repair_Player_Ratings();
void Convert_Old_Game_Records();
void Convert_Old_Player_Positions();
void Convert_Old_Player_Fields();
