#pragma once
// Hand-built leagues for result and standings tests: franchises four to a
// division, an empty bracket, a 17-game season, and finished games written
// straight into the game records.
#include <cstdint>

// Clears the block and sets `teams` franchises (divisions team / 4) at `week`.
void Reset_Hand_Built_League(int teams, int week);
// Writes a finished game (clock 3,600) of the 2020 season into record `index`.
void Put_Final_Game(int index, int away, int home, int away_score, int home_score);
