#pragma once
// A player's saved page: his seasons' statistics tables as lines of
// "Seasons.csv" and his combine measurements as a line of
// "Combine_Results.csv".
#include <cstdint>

// Reads "Input/Downloads/Players/<site id>.txt" through its row-per-line copy
// "<site id>-parsed.txt". `position` (POSITION_TEXT_SIZE bytes) is filled from
// the page's "Position" line when it is empty. Returns the lines written.
int32_t Parse_Player_Page(const char* site_id, const char* name, char* position);
constexpr int32_t POSITION_TEXT_SIZE = 16;
// The Seasons.csv column (1-97) a statistics cell's data-stat name fills; 0
// for a name the file has no column for.
int32_t Get_Seasons_Column(const char* data_stat);
