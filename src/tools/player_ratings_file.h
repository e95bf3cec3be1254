#pragma once
// Player ratings read from a file in the layout the ratings export writes:
// the player id (or external id) in column 1, ratings 2-26 in columns 7-31
// and Durability in column 32.
#include <cstdint>

// Reads the file over the players' ratings; 0 (silently) when it cannot be
// opened, else 1. A player met twice is reported until the user chooses to
// ignore duplicates; lines naming no player are skipped.
int32_t Load_Player_Ratings_File(int32_t show_message, const char* file_name);
// The ratings file of the current season: "Input/Ratings/Replay/%d_Player_Ratings.csv"
// in replay mode before 2022, otherwise "Input/Ratings/Simulation/%d_Player_Ratings.csv".
int32_t Load_Player_Ratings_CSV(int32_t show_message);
